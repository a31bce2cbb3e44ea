#include "geoplait_about_dlg.h"
#include "resource_ids.h"
#include "resources.h"
#include "temp_dir.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace geoplait {
namespace {

// What an open About box shows.
struct AboutTexts {
  std::string caption;
  std::string version;
  std::string copyright;
  std::string special_build;
  std::vector<std::string> other_lines;  // the texts without an id
  bool has_icon = false;

  bool operator==(const AboutTexts&) const = default;
};

std::ostream& operator<<(std::ostream& os, const AboutTexts& t) {
  os << "{" << t.caption << " | " << t.version << " | " << t.copyright << " | " << t.special_build
     << " |";
  for (const std::string& line : t.other_lines) {
    os << " [" << line << "]";
  }
  return os << (t.has_icon ? " | icon}" : " | no icon}");
}

std::string LabelText(toolkit::TDialog& dialog, int id) {
  auto* label = qobject_cast<QLabel*>(dialog.GetDlgItem(id));
  return label != nullptr ? label->text().toStdString() : "(no control)";
}

// Opens the About box of module, reads it and closes it with OK.
AboutTexts ShowAbout(const toolkit::TModule* module) {
  TgeoplaitAboutDlg about(nullptr, resources::kAboutDialogId, module);
  AboutTexts texts;
  int result = 0;
  QTimer::singleShot(0, [&] {
    texts.caption = about.GetHandle()->windowTitle().toStdString();
    texts.version = LabelText(about, resources::kAboutVersion);
    texts.copyright = LabelText(about, resources::kAboutCopyright);
    texts.special_build = LabelText(about, resources::kAboutSpecialBuild);
    for (QLabel* label : about.GetHandle()->findChildren<QLabel*>()) {
      if (label == about.GetDlgItem(resources::kAboutVersion) ||
          label == about.GetDlgItem(resources::kAboutCopyright) ||
          label == about.GetDlgItem(resources::kAboutSpecialBuild)) {
        continue;
      }
      if (!label->pixmap().isNull()) {
        texts.has_icon = true;
      } else {
        texts.other_lines.push_back(label->text().toStdString());
      }
    }
    QTest::mouseClick(about.GetDlgItem(toolkit::IDOK), Qt::LeftButton);
  });
  result = about.Execute();
  EXPECT_EQ(result, toolkit::IDOK);
  return texts;
}

class AboutBoxTest : public ::testing::Test {
 protected:
  AboutBoxTest() { toolkit::TModule::SetDefault(&resources::ProgramModule()); }

  // The program's resources, with the version data of another executable file.
  std::unique_ptr<toolkit::TModule> ModuleReading(const std::string& file) {
    const toolkit::TModule& program = resources::ProgramModule();
    static const toolkit::TDialogTemplate* const dialogs[] = {&resources::AboutDialog()};
    auto module = std::make_unique<toolkit::TModule>(dialogs, program.FrameResources());
    module->SetFileName(file);
    return module;
  }
};

TEST_F(AboutBoxTest, ShowsTheProgramsOwnVersionData) {
  const AboutTexts expected{
      "About geoplait", "Geoplait Version 1.0", "Copyright (C) 2026 Geoplait", "", {""}, true};
  EXPECT_EQ(ShowAbout(nullptr), expected);
}

TEST_F(AboutBoxTest, MissingValuesLeaveTheTemplateTexts) {
  const testing::TempDir dir;
  const struct {
    const char* name;
    std::string file;
    std::string version;
    std::string copyright;
    std::string special_build;
  } cases[] = {
      {"no ProductVersion", FIXTURE_NO_PRODUCT_VERSION, "Version", "Copyright (C) 2026 Geoplait",
       ""},
      {"no translation entry", FIXTURE_NO_TRANSLATION, "Version", "", ""},
      {"a translation entry without its block", FIXTURE_MISSING_BLOCK, "Version", "", ""},
      {"a special build", FIXTURE_WITH_BUILD_NOTE, "Geoplait Version 1.1",
       "Copyright (C) 2026 Geoplait", "Test build"},
      {"no executable file", dir.File("missing"), "Version", "", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto module = ModuleReading(c.file);
    const AboutTexts texts = ShowAbout(module.get());
    EXPECT_EQ(texts.caption, "About geoplait");
    EXPECT_EQ(texts.version, c.version);
    EXPECT_EQ(texts.copyright, c.copyright);
    EXPECT_EQ(texts.special_build, c.special_build);
    EXPECT_EQ(texts.other_lines, std::vector<std::string>{""});
  }
}

TEST_F(AboutBoxTest, TheSpecialBuildNoteStandsRightAlignedAtTheBottomRight) {
  const auto module = ModuleReading(FIXTURE_WITH_BUILD_NOTE);
  TgeoplaitAboutDlg about(nullptr, resources::kAboutDialogId, module.get());
  QTimer::singleShot(0, [&] {
    QWidget* note = about.GetDlgItem(resources::kAboutSpecialBuild);
    QWidget* box = about.GetHandle();
    auto* label = qobject_cast<QLabel*>(note);
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    EXPECT_GT(note->geometry().center().x(), box->width() / 2);
    EXPECT_GT(note->geometry().center().y(), box->height() * 3 / 4);
    about.CmOk();
  });
  about.Execute();
}

// The middle word of the version line is the template's text, cut to 127 characters.
TEST_F(AboutBoxTest, TheVersionLineTakesAtMost127CharactersOfTheTemplateText) {
  static const std::string long_word(200, 'w');
  static const toolkit::TControlTemplate controls[] = {
      {resources::kAboutVersion, "static", long_word, 0x50020081, 0, {2, 14, 200, 8}},
      {resources::kAboutCopyright, "static", "", 0x50020081, 0, {2, 27, 200, 17}},
      {resources::kAboutSpecialBuild, "static", "", 0x50020082, 0, {136, 55, 66, 8}},
      {toolkit::IDOK, "button", "OK", 0x50010001, 0, {82, 48, 40, 14}},
  };
  static const toolkit::TDialogTemplate dialog{resources::kAboutDialogId, 0x80C800C0,       0,
                                               {12, 17, 204, 65},         "About geoplait", 8,
                                               "MS Sans Serif",           controls};
  static const toolkit::TDialogTemplate* const dialogs[] = {&dialog};
  const toolkit::TModule module(dialogs);
  EXPECT_EQ(ShowAbout(&module).version, "Geoplait " + long_word.substr(0, 127) + " 1.0");
}

}  // namespace
}  // namespace geoplait
