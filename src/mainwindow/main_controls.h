#pragma once
// The controls of the main window, by their program names (also their
// object names): the frames, the pictures, the input boxes, the options,
// check boxes, buttons, labels and lists, and the menus. The window creates
// them and is their parent; what works on them (the window's handlers, the
// window as the calculation core sees it, the tests) reaches them here.

#include <array>
#include <map>
#include <string>

#include "files/recent_files.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tamrel {

class PictureBox;
class SketchBox;

struct MainControls {
  QGroupBox *fr10 = nullptr, *fr110 = nullptr, *fr111 = nullptr, *fr1111 = nullptr,
            *fr112 = nullptr, *fr120 = nullptr, *fr121 = nullptr, *fr123 = nullptr,
            *fr124 = nullptr, *fr12 = nullptr, *fr20 = nullptr, *fr30 = nullptr, *fr31 = nullptr,
            *fr32 = nullptr;
  SketchBox* pic20 = nullptr;
  PictureBox *pic30 = nullptr, *Pic31 = nullptr, *pic32 = nullptr;
  std::map<std::string, QLineEdit*> fields;  // iproj ... im2b
  QLineEdit* Test = nullptr;
  QRadioButton *cylinder0 = nullptr, *cylinder1 = nullptr, *cylinder2 = nullptr,
               *cylinder3 = nullptr, *opt_lrfd = nullptr, *opt_wsd = nullptr, *odmom1 = nullptr,
               *odmom2 = nullptr, *ringfab0 = nullptr, *ringfab1 = nullptr;
  QCheckBox *Outside_ch = nullptr, *ring_ch = nullptr, *hring_ch = nullptr, *check_ih = nullptr;
  QToolButton *cmd_lrfd = nullptr, *cmd_wsd = nullptr, *Picture = nullptr;
  QToolButton *cmdpic_stiff = nullptr, *cmdpic_gird = nullptr;
  QPushButton* Command3 = nullptr;
  QLabel *text_ufb = nullptr, *stiffprof = nullptr, *ringprof = nullptr, *txt1 = nullptr;
  QComboBox *cbofyp = nullptr, *cbofys = nullptr, *cbofyg = nullptr, *cbostiff = nullptr,
            *cboring = nullptr;
  QMenu *mnufile = nullptr, *mnuprofiles = nullptr, *mnustiff = nullptr, *mnuring = nullptr,
        *mnuhelp = nullptr;
  QAction* mnuprint = nullptr;
  std::array<QAction*, kRecentFileCount + 1> mnurecentfile{};

  QLineEdit* field(const std::string& name) const { return fields.at(name); }
};

}  // namespace tamrel
