#include "geoplait_dlg_client.h"
#include "resources.h"

#include <QApplication>

// The file list dialog in a window of its own; the program ends when the dialog does.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  geoplait::toolkit::TModule::SetDefault(&geoplait::resources::ProgramModule());
  geoplait::TgeoplaitDlgClient dialog(nullptr, geoplait::resources::kFileListDialogId);
  if (!dialog.Create()) {
    return 1;
  }
  QObject::connect(dialog.GetHandle(), &QObject::destroyed, &application, &QApplication::quit);
  dialog.Show(geoplait::toolkit::SW_SHOWNORMAL);
  return application.exec();
}
