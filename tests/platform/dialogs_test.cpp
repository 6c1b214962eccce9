// File dialogs and printing through the scripted services; the program's
// own message box.
#include "platform/dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>

#include "platform/qtservices.h"
#include "platform/testing/scripted_services.h"

namespace {

TEST(FileDialog, WindowsFiltersBecomeQtNameFilters) {
    using Filters = std::vector<std::string>;
    EXPECT_EQ(QtNameFilters("Text Files  (*.txt)|*.txt|All|*.*"),
              (Filters{"Text Files (*.txt)", "All (*)"}));
    EXPECT_EQ(QtNameFilters("Text Files  (*.txt)|*.txt|Data Files (*.dat)|*.dat"),
              (Filters{"Text Files (*.txt)", "Data Files (*.dat)"}));
    EXPECT_EQ(QtNameFilters("Pictures|*.bmp;*.jpg"), (Filters{"Pictures (*.bmp *.jpg)"}));
    EXPECT_TRUE(QtNameFilters("").empty());
}

TEST(FileDialog, ChoiceSetsFileNameAndCurrentFolder) {
    ScriptedServices scripted;
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    TSaveDialog dialog(nullptr, "SaveDialog1");
    dialog.DefaultExt = "txt";
    dialog.FileName = "Vantorra.txt";
    dialog.Filter = "Text Files  (*.txt)|*.txt";
    dialog.OverwritePrompt = true;
    scripted.AnswerFileDialog(dir.filePath("results").toStdString());
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, dir.filePath("results.txt").toStdString());
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    ASSERT_EQ(scripted.fileRequests.size(), 1u);
    EXPECT_TRUE(scripted.fileRequests[0].save);
    EXPECT_TRUE(scripted.fileRequests[0].overwritePrompt);
    EXPECT_EQ(scripted.fileRequests[0].fileName, "Vantorra.txt");
    QDir::setCurrent(before);
}

TEST(FileDialog, CancelKeepsEverything) {
    ScriptedServices scripted;
    TOpenDialog dialog(nullptr, "OpenDialog1");
    dialog.FileName = "old.txt";
    const QString before = QDir::currentPath();
    scripted.AnswerFileDialog(std::nullopt);
    EXPECT_FALSE(dialog.Execute());
    EXPECT_FALSE(dialog.Execute());  // an empty script cancels too
    EXPECT_EQ(dialog.FileName, "old.txt");
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST(Printing, LandscapePageGoesToTheServices) {
    ScriptedServices scripted;
    TPrinter& printer = Printer();
    printer.Orientation = poLandscape;
    EXPECT_GT(printer.PageWidth(), printer.PageHeight());
    printer.BeginDoc();
    TPicture picture;
    picture.SetSize(10, 10);
    printer.Canvas()->StretchDraw(
        Rect(200, 200, printer.PageWidth() - 200, printer.PageHeight() - 200), picture);
    printer.EndDoc();
    ASSERT_EQ(scripted.printedPages.size(), 1u);
    EXPECT_EQ(scripted.printedPages[0].first, printer.PageWidth());
}

TEST(MessageBox, ShowsTheProgramTitleInTheWindowsFont) {
    const QString before = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("Vantorra");
    QString title;
    QFont font;
    // Answered from inside the box's own loop, as a user would press OK.
    QTimer::singleShot(0, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible()) continue;
            title = box->windowTitle();
            font = box->font();
            box->accept();
        }
    });
    QtServices().ShowMessage("Air Temperature too low.");
    QCoreApplication::setApplicationName(before);
    EXPECT_EQ(title.toStdString(), "Vantorra");
    EXPECT_EQ(QFontInfo(font).family().toStdString(), "Liberation Sans");
    EXPECT_EQ(font.pixelSize(), 11);
}

}  // namespace
