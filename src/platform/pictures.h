#pragma once
// The program's own pictures, drawn with QPainter so that they scale with the
// screen and print sharply: the six geometry sketches of the cylinder types,
// the fourteen profile icons, the small information button and the two
// information pictures (definition of the cylinder length, DNV-OS-C201
// loading conditions and basic usage factors). Each drawing fills the
// rectangle it is given.

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <cstdint>
#include <optional>

#include "calc/window.h"

class QPainter;

namespace tamrel {

// The geometry sketches, by the picture names of the sketch set.
enum class GeometrySketch : std::uint8_t {
  pic20,  // unstiffened cylinder
  pic21,  // ring stiffened, stiffening inside
  pic26,  // ring stiffened, stiffening outside
  pic22,  // stringer stiffened, stiffening inside
  pic27,  // stringer stiffened, stiffening outside
  pic30,  // column with axial force, end moments and axes
};

// The geometry sketch of a cylinder type (CylinderType) with its stiffening
// inside or outside the shell, shown by the main window and the report;
// nothing for an unknown type.
std::optional<GeometrySketch> GeometrySketchFor(std::int16_t cyltype, bool outside);

const char* GeometrySketchName(GeometrySketch sketch);
// Drawn for a 281 x 420 box (4215 x 6300 twips); other sizes scale.
void DrawGeometrySketch(QPainter& p, const QRectF& r, GeometrySketch sketch);

// Profile cross-section icon: the shell plate as a grey strip, the profile
// below it, blue for a stiffener and orange for a ring frame.
void DrawProfileIcon(QPainter& p, const QRectF& r, ProfileIcon icon);
QPixmap ProfileIconPixmap(ProfileIcon icon, int size);

// The small information button face (a blue disc with a white "i").
QPixmap InfoButtonPixmap(int size);

// InfoTAMREL: what the cylinder length L is (drawn for 371 x 544).
void DrawCylinderLengthInfo(QPainter& p, const QRectF& r);
// InfoUF: DNV-OS-C201 Sec.2 Table D1, the loading conditions a) to e)
// (drawn for 500 x 144), and Table E1, the basic usage factors (500 x 113).
void DrawLoadingConditionsTable(QPainter& p, const QRectF& r);
void DrawBasicUsageFactorTable(QPainter& p, const QRectF& r);

// The program's icon (resources/icons/tamrel.svg, drawn for 48 x 48): a
// ring-stiffened cylinder on the title colour; the windows' icon and the
// icon the desktop shows for the installed program.
void DrawProgramIcon(QPainter& p, const QRectF& r);
QPixmap ProgramIconPixmap(int size);
// The windows' icon, drawn at the sizes a desktop asks for.
QIcon ProgramIcon();
// The about box's logo (drawn for 150 x 59): the cylinder and the name in
// the title colour, on white.
void DrawAboutLogo(QPainter& p, const QRectF& r, const QColor& title);

}  // namespace tamrel
