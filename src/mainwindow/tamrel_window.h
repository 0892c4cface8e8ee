#pragma once
// The main window `tamrel`: input frames on the left, the geometry sketch on
// the right, the three result pictures along the bottom. It implements the
// calculation core's window interface and owns the platform pieces that give
// its handlers the behaviour they expect (focus/leave binder, option
// buttons, pick-only and editable lists).

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "calc/design_state.h"
#include "calc/window.h"
#include "files/recent_files.h"
#include "mainwindow/input_fields.h"
#include "mainwindow/layout.h"
#include "platform/focus_binder.h"
#include "platform/pictures.h"

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

class MessageService;
class PickList;
class PictureBox;
class ProfileCombo;
class SettingsStore;
class SketchBox;
class InfoTamrelForm;
class InfoUfForm;

// Shows the section dialog of a member for a profile type code. Until the
// section dialogs exist, the stand-in does what a dialog's activation does:
// it records the type, shows its text in the profile list and recalculates.
class SectionDialogService {
 public:
  virtual ~SectionDialogService() = default;
  virtual void ShowStiffDialog(std::int16_t code) = 0;
  virtual void ShowRingDialog(std::int16_t code) = 0;
};

struct WindowServices {
  MessageService& messages;
  SettingsStore& settings;
  SectionDialogService* dialogs = nullptr;  // nullptr: the stand-in
};

class TamrelWindow : public QMainWindow, public Window {
  Q_OBJECT

 public:
  // programDir: where the data tables are (the executable's directory).
  TamrelWindow(DesignState& ds, WindowServices services, std::string programDir,
               QWidget* parent = nullptr);
  ~TamrelWindow() override;

  // The load handler: the whole start-up in its order. False when a data
  // table cannot be loaded (after a message naming the file and the
  // problem): the program cannot start.
  bool Start();

  // Brings every control into line with the design state.
  void ShowDesignState();

  DesignState& ds() { return ds_; }
  FocusBinder& binder() { return binder_; }
  const MainLayout& layout() const { return layout_; }
  QSize DesignOuterSize() const { return QSize(placement_.width, placement_.height); }
  GeometrySketch CurrentSketch() const;
  QWidget* InfoTamrelWindow() const;
  QWidget* InfoUfWindow() const;
  // How many times the result tables were drawn (once per recalculation).
  int ResultDrawings() const { return resultDrawings_; }

  // Window
  TextSurface* ResultPictureSurface(ResultPicture which) override;
  void SetStiffenerCaption(const std::string& caption) override;
  void SetStiffenerIcon(ProfileIcon icon) override;
  void SetRingCaption(const std::string& caption) override;
  void SetRingIcon(ProfileIcon icon) override;
  void ShowExclamation(const std::string& text) override;
  void SetTrippingLengthText(const std::string& text) override;
  void FocusTrippingLength() override;
  void FocusRadius() override;
  void SetCheckIhVisible(bool visible) override;
  void SetWindowCaption(const std::string& caption) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  class DialogStandIn;

  // Construction.
  void BuildMenus();
  void BuildFrames();
  void BuildGeneral(QGroupBox* fr110);
  void BuildControls(QGroupBox* fr111);
  void BuildGeometry(QGroupBox* fr112);
  void BuildStiffener(QGroupBox* fr120);
  void BuildRingFrame(QGroupBox* fr121);
  void BuildLoading(QGroupBox* fr123);
  void BuildColumn(QGroupBox* fr124);
  void BuildResults();
  void BindFields();
  QLineEdit* NewField(const char* name, QWidget* parent, double left, double top, double width);
  QLabel* NewLabel(const QString& caption, QWidget* parent, double left, double top, double width,
                   Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
  QLabel* Label(QWidget* parent, const char* caption, double left, double top, double width,
                bool right = false);
  void Place(QWidget* w, double left, double top, double width, double height) const;
  void Place(QWidget* w, const TwipRect& r) const;
  int Px(double twips) const;
  int Py(double twips) const;

  // Start-up.
  void DetectDecimalSeparator();
  void SizeAndCentre();

  // Handlers.
  void Recalc();
  void RefreshLockedYields();
  void CommitField(const FieldSpec& field, QLineEdit* box);
  void CommitText(QLineEdit* box, std::string DesignState::*text);
  void FocusBack(QLineEdit* box);
  void OnCylinderType(std::int16_t type);
  void OnLrfd();
  void OnWsd();
  void OnOutside();
  void OnRing();
  void OnHeavyRing();
  void OnCheckIh();
  void OnDimensioningMoments(std::int16_t code);
  void OnRingFabrication(std::int16_t code);
  void OnLrfdInfo();
  void OnWsdInfo();
  void OnPressureSign();
  void OnMaterial(int member, int index);
  void OnStiffProfileType(int index);
  void OnRingProfileType(int index);
  void OnCylinderLengthInfo();
  void RefillRecentFiles();

  void ApplyCylinderType();
  void SetText(QLineEdit* box, const std::string& text);
  std::string Show(const Variant& v, const char* pattern) const;
  std::string Show(float v, const char* pattern) const;
  SectionDialogService& dialogs();

  DesignState& ds_;
  MessageService& messages_;
  SettingsStore& settings_;
  SectionDialogService* dialogs_;
  std::unique_ptr<DialogStandIn> standIn_;
  std::string programDir_;
  FocusBinder binder_;
  MainLayout layout_;
  WindowPlacement placement_;
  double dpiX_ = 96;
  double dpiY_ = 96;
  bool placedOnShow_ = false;
  int resultDrawings_ = 0;
  RecentFileMenu recentMenu_;

 public:
  // The controls, by their program names (also their object names).
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

 private:
  std::array<PickList*, 3> materialLists_{};
  ProfileCombo* stiffCombo_ = nullptr;
  ProfileCombo* ringCombo_ = nullptr;
  QPointer<InfoTamrelForm> infoTamrel_;
  QPointer<InfoUfForm> infoUf_;
};

}  // namespace tamrel
