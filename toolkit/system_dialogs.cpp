#include "system_dialogs.h"

#include "message_box.h"
#include "window_styles.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace geoplait::toolkit {
namespace {

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList NameFilters(const TOpenSaveDialog::TData& data) {
  QStringList filters;
  for (const auto& [shown, pattern] : data.Filter) {
    QString patterns = ToQString(pattern);
    patterns.replace(';', ' ');
    // Qt reads the patterns from the parentheses; a pair that shows just its pattern needs none.
    filters << (shown == pattern ? patterns : ToQString(shown) + " (" + patterns + ")");
  }
  return filters;
}

void ApplySettings(QFileDialog& dialog, const TOpenSaveDialog::TData& data) {
  const QStringList filters = NameFilters(data);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    const int index = data.FilterIndex > 0 ? data.FilterIndex - 1 : 0;
    dialog.selectNameFilter(filters.value(index, filters.front()));
  }
  if (!data.DefExt.empty()) {
    dialog.setDefaultSuffix(ToQString(data.DefExt));
  }
  if (!data.InitialDir.empty()) {
    dialog.setDirectory(ToQString(data.InitialDir));
  }
}

class QtSystemDialogs final : public TSystemDialogs {
 public:
  int MessageBox(QWidget* owner, std::string_view text, std::string_view caption,
                 int style) override {
    QMessageBox box(owner);
    box.setWindowTitle(ToQString(caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(text));
    box.setIcon(IconOf(style));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
  }

  bool GetOpenFileName(QWidget* owner, TOpenSaveDialog::TData& data) override {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode((data.Flags & kOfnAllowMultiSelect) != 0 ? QFileDialog::ExistingFiles
                                                                : QFileDialog::ExistingFile);
    ApplySettings(dialog, data);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
      return false;
    }
    std::vector<std::string> paths;
    for (const QString& path : dialog.selectedFiles()) {
      paths.push_back(path.toStdString());
    }
    StoreChosenFiles(data, paths);
    return true;
  }

  bool GetSaveFileName(QWidget* owner, TOpenSaveDialog::TData& data) override {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (data.Flags & kOfnOverwritePrompt) == 0);
    ApplySettings(dialog, data);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
      return false;
    }
    data.FileName = dialog.selectedFiles().front().toStdString();
    data.FileTitles.clear();
    return true;
  }

 private:
  static QMessageBox::Icon IconOf(int style) {
    switch (style & 0xF0) {
      case MB_ICONSTOP:
        return QMessageBox::Critical;
      case MB_ICONQUESTION:
        return QMessageBox::Question;
      case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
      case MB_ICONINFORMATION:
        return QMessageBox::Information;
      default:
        return QMessageBox::NoIcon;
    }
  }
};

TSystemDialogs* in_force = nullptr;

}  // namespace

TSystemDialogs& SystemDialogs() {
  static QtSystemDialogs qt_dialogs;
  return in_force != nullptr ? *in_force : qt_dialogs;
}

TScopedSystemDialogs::TScopedSystemDialogs(TSystemDialogs& dialogs) : previous_(in_force) {
  in_force = &dialogs;
}

TScopedSystemDialogs::~TScopedSystemDialogs() {
  in_force = previous_;
}

int MessageBox(QWidget* owner, std::string_view text, std::string_view caption, int style) {
  return SystemDialogs().MessageBox(owner, text, caption, style);
}

}  // namespace geoplait::toolkit
