#include "app/options_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "assets/assets.h"
#include "lang/app_languages.h"
#include "tests/app/dialogs/dialog_test_support.h"
#include "widgets/color_button.h"
#include "widgets/spin_edit.h"

namespace {

using quintavo::app::ExecOptionsDialog;
using quintavo::app::TfrmOptions;
using quintavo::appcore::Settings;
namespace L = quintavo::lang;
namespace T = quintavo::app::test;
namespace W = quintavo::widgets;

template <typename Control> Control* Find(QWidget& window, const char* name) {
    auto* control = window.findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

// Every check box of the dialog with the setting it edits.
struct CheckBoxSetting {
    const char* control;
    bool Settings::*setting;
};
constexpr CheckBoxSetting CheckBoxes[] = {
    {"CheckBox2", &Settings::AnimatedMoves},
    {"CheckBox3", &Settings::BoardLines},
    {"CheckBox4", &Settings::ComputerPlaysBlack},
    {"CheckBox10", &Settings::WhiteOnTop},
    {"CheckBox11", &Settings::WhiteKingSide},
    {"CheckBox12", &Settings::WhiteQueenSide},
    {"CheckBox13", &Settings::BlackKingSide},
    {"CheckBox14", &Settings::BlackQueenSide},
    {"CheckBox6", &Settings::DisplayCoordsWest},
    {"CheckBox7", &Settings::DisplayCoordsNorth},
    {"CheckBox8", &Settings::DisplayCoordsEast},
    {"CheckBox9", &Settings::DisplayCoordsSouth},
    {"CheckBox15", &Settings::ShowChess},
    {"CheckBox16", &Settings::ShowDraw},
    {"CheckBox17", &Settings::ShowMate},
    {"CheckBox18", &Settings::ShowCasteling},
    {"CheckBox1", &Settings::ShowThreeFoldPos},
    {"CheckBox19", &Settings::bAskForSaving},
    {"CheckBox20", &Settings::ShowIt},
};

class OptionsDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { quintavo::InitAssets(); }

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ownBitmap = folder.filePath(QStringLiteral("own.bmp"));
        QImage(12, 8, QImage::Format_RGB32).save(ownBitmap, "BMP");
        L::SetLanguageMain(language, L::German, nullptr);
        L::SetLanguageOptions(language, L::German, nullptr);
        language.CurrentLanguageID = L::German;
    }

    // Settings unlike the defaults wherever a control can show it.
    Settings Unusual() const {
        Settings s;
        s.bAskForSaving = false;
        s.CurrentLanguageID = L::Italian;
        s.PathPic = ownBitmap.toStdString();
        s.ShowIt = true;
        s.AnimatedMoves = false;
        s.BoardLines = true;
        s.ComputerPlaysBlack = false;
        s.ComputerPlaysWhite = true;
        s.DisplayCoordsNorth = false;
        s.DisplayCoordsSouth = false;
        s.WhiteOnTop = true;
        s.WhiteQueenSide = false;
        s.BlackKingSide = false;
        s.PieceSet = 6;
        s.SearchDepth = 7;
        s.ThinkingPriority = 4;
        s.SquareColorDark = 0x102030;
        s.SquareColorLight = 0xA0B0C0;
        s.ColorFrame = 0x0000FF;
        s.Preview = false;
        s.iTimeLimit = 1234;
        s.ShowMate = false;
        s.ShowThreeFoldPos = false;
        s.CustomEngine = true;
        return s;
    }

    // The game window's language, lent to the dialog.
    L::LanguageState language;
    QTemporaryDir folder;
    QString ownBitmap;
};

TEST_F(OptionsDialogTest, LayoutAndNames) {
    TfrmOptions dialog(language);
    EXPECT_EQ(dialog.size(), QSize(480, 380));
    EXPECT_TRUE(L::ControlNameProblems(L::Window::Options, &dialog).isEmpty())
        << L::ControlNameProblems(L::Window::Options, &dialog).join(u", ").toStdString();

    auto* pages = Find<QTabWidget>(dialog, "PageControl1");
    EXPECT_EQ(pages->geometry(), QRect(16, 24, 449, 305));
    EXPECT_EQ(pages->count(), 5);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(Find<QPushButton>(dialog, "Button1")->pos(), QPoint(312, 344));
    EXPECT_TRUE(Find<QPushButton>(dialog, "Button1")->isDefault());
    EXPECT_EQ(Find<QPushButton>(dialog, "Button2")->pos(), QPoint(392, 344));
    EXPECT_EQ(Find<QWidget>(dialog, "Panel1")->geometry(), QRect(224, 56, 185, 98));
    EXPECT_TRUE(Find<QCheckBox>(dialog, "CheckBox5")->isHidden());

    auto* depth = Find<QSlider>(dialog, "TrackBar1");
    EXPECT_EQ(depth->minimum(), 0);
    EXPECT_EQ(depth->maximum(), 7);
    auto* time = Find<W::TSpinEdit>(dialog, "SpinEdit1");
    EXPECT_EQ(time->MinValue(), 5);
    EXPECT_EQ(time->MaxValue(), 3600);
    EXPECT_EQ(time->Value(), 300);
    auto* sets = Find<QComboBox>(dialog, "ComboBox1");
    ASSERT_EQ(sets->count(), 8);
    EXPECT_EQ(sets->itemText(0), QStringLiteral("Set 1"));
    EXPECT_EQ(sets->itemText(7), QStringLiteral("Set 8"));
    auto* languages = Find<QComboBox>(dialog, "ComboBox2");
    ASSERT_EQ(languages->count(), 4);
    EXPECT_EQ(languages->itemText(2), QStringLiteral("Francaise"));
    for (const char* name : {"ColorButton1", "ColorButton2", "ColorButton3"})
        Find<W::TColorButton>(dialog, name);
}

// Each check box shows its own setting and gives it back, and no other.
TEST_F(OptionsDialogTest, EachCheckBoxEditsItsOwnSetting) {
    for (const CheckBoxSetting& row : CheckBoxes) {
        SCOPED_TRACE(row.control);
        Settings settings;
        settings.PathPic = ownBitmap.toStdString();
        for (const CheckBoxSetting& other : CheckBoxes)
            settings.*other.setting = false;
        settings.*row.setting = true;

        TfrmOptions dialog(language);
        dialog.FillFromSettings(settings);
        dialog.show();
        for (const CheckBoxSetting& other : CheckBoxes)
            EXPECT_EQ(Find<QCheckBox>(dialog, other.control)->isChecked(), &other == &row)
                << other.control;

        Settings back;
        for (const CheckBoxSetting& other : CheckBoxes)
            back.*other.setting = !(&other == &row);
        dialog.ReadBackInto(back);
        for (const CheckBoxSetting& other : CheckBoxes)
            EXPECT_EQ(back.*other.setting, &other == &row) << other.control;
    }
}

TEST_F(OptionsDialogTest, ShowsTheOtherSettingsInTheirControls) {
    const Settings settings = Unusual();
    TfrmOptions dialog(language);
    dialog.FillFromSettings(settings);
    dialog.show();

    EXPECT_EQ(Find<QLineEdit>(dialog, "Edit1")->text(), ownBitmap);
    EXPECT_EQ(Find<QComboBox>(dialog, "ComboBox2")->currentIndex(), L::Italian);
    EXPECT_EQ(Find<W::TColorButton>(dialog, "ColorButton1")->Color(), QColor(0x30, 0x20, 0x10));
    EXPECT_EQ(Find<W::TColorButton>(dialog, "ColorButton2")->Color(), QColor(0xC0, 0xB0, 0xA0));
    EXPECT_EQ(Find<W::TColorButton>(dialog, "ColorButton3")->Color(), QColor(0xFF, 0, 0));
    EXPECT_EQ(Find<QComboBox>(dialog, "ComboBox1")->currentIndex(), 6);
    EXPECT_EQ(dialog.PreviewImage().size(), QSize(480, 320)) << "set 6";
    EXPECT_EQ(Find<QSlider>(dialog, "TrackBar1")->value(), 6);
    EXPECT_EQ(Find<W::TSpinEdit>(dialog, "SpinEdit1")->Value(), 1234);
    const auto radios = Find<QGroupBox>(dialog, "RadioGroup1")->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 2);
    EXPECT_FALSE(radios[0]->isChecked());
    EXPECT_TRUE(radios[1]->isChecked());

    // Shown in the stored language, with the depth in the caption.
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Optioni"));
    EXPECT_EQ(Find<QGroupBox>(dialog, "GroupBox9")->title(),
              QStringLiteral("Cerca profondita = 7"));
    Find<QSlider>(dialog, "TrackBar1")->setValue(0);
    EXPECT_EQ(Find<QGroupBox>(dialog, "GroupBox9")->title(),
              QStringLiteral("Cerca profondita = 1"));
}

TEST_F(OptionsDialogTest, OkWritesTheSettingsBackToTheFile) {
    const std::filesystem::path file =
        folder.filePath(QStringLiteral("quintavo.ini")).toStdString();
    Settings stored = Unusual();
    stored.SearchDepth = 12; // beyond the track bar
    stored.iTimeLimit = 2;   // below the spin edit
    ASSERT_TRUE(quintavo::appcore::SaveToIni(stored, file));

    // Reading corrects a time limit out of range; a caller may still hand one in.
    Settings settings = stored;
    T::WhenModal([](QWidget* modal) { Find<QPushButton>(*modal, "Button1")->click(); });
    ASSERT_TRUE(ExecOptionsDialog(settings, language, nullptr));
    ASSERT_TRUE(quintavo::appcore::SaveToIni(settings, file));

    Settings expected = stored;
    expected.SearchDepth = 8;
    expected.iTimeLimit = 5;
    EXPECT_EQ(quintavo::appcore::ReadFromIni(file), expected);
}

TEST_F(OptionsDialogTest, DepthAndTimeOutsideTheirRangesShowAndGiveTheNearestEnd) {
    struct Case {
        int depth, position, depthBack;
        int time, timeBack;
    };
    const Case cases[] = {
        {1, 0, 1, 5, 5},       {8, 7, 8, 3600, 3600}, {0, 0, 1, 4, 5},
        {9, 7, 8, 3601, 3600}, {-20, 0, 1, -1, 5},    {1000, 7, 8, 1000000, 3600},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "depth " << c.depth << ", time " << c.time);
        Settings settings;
        settings.SearchDepth = c.depth;
        settings.iTimeLimit = c.time;
        TfrmOptions dialog(language);
        dialog.FillFromSettings(settings);
        EXPECT_EQ(Find<QSlider>(dialog, "TrackBar1")->value(), c.position);
        EXPECT_EQ(Find<W::TSpinEdit>(dialog, "SpinEdit1")->text(), QString::number(c.timeBack));
        dialog.ReadBackInto(settings);
        EXPECT_EQ(settings.SearchDepth, c.depthBack);
        EXPECT_EQ(settings.iTimeLimit, c.timeBack);
    }
}

TEST_F(OptionsDialogTest, TimeTextThatIsNoNumberGivesFive) {
    TfrmOptions dialog(language);
    dialog.FillFromSettings(Settings{});
    Find<W::TSpinEdit>(dialog, "SpinEdit1")->SetText(QString());
    Settings back;
    dialog.ReadBackInto(back);
    EXPECT_EQ(back.iTimeLimit, 5);
}

// The language list previews a language in the dialog only; Cancel and
// Escape leave the settings and the program's language texts as they were.
TEST_F(OptionsDialogTest, CancelChangesNothingAlsoAfterALanguagePreview) {
    for (const bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape ? "Escape" : "Cancel");
        QWidget gameWindow;
        auto* optionsLabel = new QLabel(QStringLiteral("Optionen"), &gameWindow);
        optionsLabel->setObjectName(QStringLiteral("Label1"));
        const L::LanguageState before = language;
        Settings settings = Unusual();
        settings.CurrentLanguageID = L::German;
        const Settings original = settings;

        T::WhenModal([&](QWidget* modal) {
            EXPECT_EQ(modal->windowTitle(), QStringLiteral("Optionen"));
            Find<QComboBox>(*modal, "ComboBox2")->setCurrentIndex(L::English);
            EXPECT_EQ(modal->windowTitle(), QStringLiteral("Options"));
            EXPECT_EQ(Find<QTabWidget>(*modal, "PageControl1")->tabText(0),
                      QStringLiteral("General"));
            EXPECT_EQ(Find<QGroupBox>(*modal, "GroupBox9")->title(),
                      QStringLiteral("Search-Depth = 7"));
            EXPECT_EQ(optionsLabel->text(), QStringLiteral("Optionen"));
            Find<QCheckBox>(*modal, "CheckBox2")->setChecked(true);
            if (byEscape)
                QTest::keyClick(modal, Qt::Key_Escape);
            else
                Find<QPushButton>(*modal, "Button2")->click();
        });
        EXPECT_FALSE(ExecOptionsDialog(settings, language, &gameWindow));
        EXPECT_EQ(settings, original);
        EXPECT_EQ(language, before);
        EXPECT_EQ(language.sSearchDepth, QStringLiteral("Suchtiefe = "));
        EXPECT_EQ(optionsLabel->text(), QStringLiteral("Optionen"));
    }
}

TEST_F(OptionsDialogTest, OkAfterALanguagePreviewStoresThatLanguage) {
    Settings settings;
    T::WhenModal([](QWidget* modal) {
        Find<QComboBox>(*modal, "ComboBox2")->setCurrentIndex(L::French);
        Find<QPushButton>(*modal, "Button1")->click();
    });
    ASSERT_TRUE(ExecOptionsDialog(settings, language, nullptr));
    EXPECT_EQ(settings.CurrentLanguageID, L::French);
    EXPECT_EQ(language.CurrentLanguageID, L::German) << "the game window applies it";
}

// "Wrong file name" in a message box; the dialog stays open with the focus
// on the path, and nothing is stored.
TEST_F(OptionsDialogTest, WrongFileNameKeepsTheDialogOpen) {
    Settings settings;
    settings.ShowIt = true;
    settings.PathPic = folder.filePath(QStringLiteral("missing.bmp")).toStdString();
    const Settings original = settings;
    QString shown;
    bool stayedOpen = false;
    T::WhenModal([&](QWidget* modal) {
        T::WhenModal([&](QWidget* box) {
            if (auto* message = qobject_cast<QMessageBox*>(box)) shown = message->text();
            box->close();
        });
        Find<QPushButton>(*modal, "Button1")->click();
        stayedOpen = modal->isVisible();
        auto* edit = Find<QLineEdit>(*modal, "Edit1");
        EXPECT_EQ(modal->focusWidget(), edit);
        EXPECT_TRUE(edit->isVisibleTo(modal)) << "its page is shown";
        Find<QPushButton>(*modal, "Button2")->click();
    });
    EXPECT_FALSE(ExecOptionsDialog(settings, language, nullptr));
    EXPECT_EQ(shown, QStringLiteral("Wrong file name"));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(settings, original);
}

TEST_F(OptionsDialogTest, OwnPictureOnOk) {
    struct Case {
        const char* what;
        bool checked;
        bool exists;
        bool accepted;
        bool showItBack;
        bool pathKept;
    };
    const Case cases[] = {
        {"checked, file exists", true, true, true, true, true},
        {"unchecked, file exists", false, true, true, false, true},
        {"unchecked, no file", false, false, true, false, false},
        {"checked, no file", true, false, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = c.exists ? ownBitmap : folder.filePath(QStringLiteral("none.bmp"));
        Settings settings;
        settings.ShowIt = c.checked;
        settings.PathPic = path.toStdString();
        TfrmOptions dialog(language);
        QStringList errors;
        dialog.SetErrorReporter([&](QWidget*, const QString& text) { errors << text; });
        dialog.FillFromSettings(settings);
        dialog.show();
        EXPECT_EQ(Find<QCheckBox>(dialog, "CheckBox20")->isChecked(), c.checked)
            << "showing the dialog keeps the choice";
        dialog.Button1Click();
        EXPECT_EQ(dialog.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(errors.isEmpty(), c.accepted);
        if (!c.accepted) continue;
        Settings back = settings;
        dialog.ReadBackInto(back);
        EXPECT_EQ(back.ShowIt, c.showItBack);
        EXPECT_EQ(back.PathPic, c.pathKept ? path.toStdString() : std::string());
    }
}

TEST_F(OptionsDialogTest, ChoosingAPieceSetPreviewsItAndDropsTheOwnPicture) {
    Settings settings;
    settings.ShowIt = true;
    settings.PathPic = ownBitmap.toStdString();
    TfrmOptions dialog(language);
    dialog.FillFromSettings(settings);
    dialog.show();
    EXPECT_EQ(dialog.PreviewImage().size(), QSize(216, 144));

    Find<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(5);
    EXPECT_EQ(dialog.PreviewImage().size(), QSize(384, 256));
    EXPECT_EQ(dialog.PreviewImage(), quintavo::LoadPicture(quintavo::BuiltInPieceSetPath(5)));
    EXPECT_FALSE(Find<QCheckBox>(dialog, "CheckBox20")->isChecked());
    Settings back = settings;
    dialog.ReadBackInto(back);
    EXPECT_EQ(back.PieceSet, 5);
    EXPECT_FALSE(back.ShowIt);
    EXPECT_EQ(back.PathPic, ownBitmap.toStdString());
}

// Numbers the lists do not hold show no selection and survive OK; the
// preview shows the set the stored number selects.
TEST_F(OptionsDialogTest, SettingsBeyondTheListsAreKept) {
    struct Case {
        int pieceSet;
        QSize preview;
        int language;
    };
    const Case cases[] = {{8, {360, 240}, 4}, {12, {360, 240}, -1}, {-3, {216, 144}, 99}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pieceSet);
        Settings settings;
        settings.PieceSet = c.pieceSet;
        settings.CurrentLanguageID = c.language;
        TfrmOptions dialog(language);
        dialog.FillFromSettings(settings);
        dialog.show();
        EXPECT_EQ(Find<QComboBox>(dialog, "ComboBox1")->currentIndex(), -1);
        EXPECT_EQ(Find<QComboBox>(dialog, "ComboBox2")->currentIndex(), -1);
        EXPECT_EQ(dialog.PreviewImage().size(), c.preview);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Optionen"));
        Settings back;
        dialog.ReadBackInto(back);
        EXPECT_EQ(back.PieceSet, c.pieceSet);
        EXPECT_EQ(back.CurrentLanguageID, c.language);
    }
}

TEST_F(OptionsDialogTest, ColoursKeepTheirStoredNumberUnlessChanged) {
    Settings settings;
    settings.SquareColorDark = static_cast<int>(0x80000010u); // not a plain colour
    TfrmOptions dialog(language);
    dialog.FillFromSettings(settings);
    Find<W::TColorButton>(dialog, "ColorButton2")->SetColor(QColor(0x11, 0x22, 0x33));
    Settings back;
    dialog.ReadBackInto(back);
    EXPECT_EQ(back.SquareColorDark, settings.SquareColorDark);
    EXPECT_EQ(back.SquareColorLight, 0x332211);
    EXPECT_EQ(back.ColorFrame, 0xC0C0C0);
}

TEST_F(OptionsDialogTest, ComputerColourBoxesExcludeEachOther) {
    TfrmOptions dialog(language);
    auto* black = Find<QCheckBox>(dialog, "CheckBox4");
    auto* white = Find<QCheckBox>(dialog, "CheckBox5");
    black->setChecked(true);
    white->setChecked(true);
    EXPECT_FALSE(black->isChecked());
    black->setChecked(true);
    EXPECT_FALSE(white->isChecked());
    black->setChecked(false);
    EXPECT_FALSE(white->isChecked()) << "unchecking touches nothing else";
}

TEST_F(OptionsDialogTest, ExportsThePreviewAsABitmap) {
    TfrmOptions dialog(language);
    Settings settings;
    settings.PieceSet = 2;
    dialog.FillFromSettings(settings);
    const QString target = folder.filePath(QStringLiteral("export.bmp"));
    dialog.SetSaveBitmapDialog([&](QWidget*) { return target; });
    dialog.SpeedButton1Click();
    const QImage saved(target, "BMP");
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(94, 64));
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              dialog.PreviewImage().convertToFormat(QImage::Format_RGB32));

    // A place that cannot be written is reported, and a cancel does nothing.
    QStringList errors;
    dialog.SetErrorReporter([&](QWidget*, const QString& text) { errors << text; });
    dialog.SetSaveBitmapDialog(
        [&](QWidget*) { return folder.filePath(QStringLiteral("no/x.bmp")); });
    dialog.SpeedButton1Click();
    EXPECT_EQ(errors.size(), 1);
    dialog.SetSaveBitmapDialog([](QWidget*) { return QString(); });
    dialog.SpeedButton1Click();
    EXPECT_EQ(errors.size(), 1);
}

TEST_F(OptionsDialogTest, BrowsingTakesOnlyAFileThatExists) {
    TfrmOptions dialog(language);
    auto* edit = Find<QLineEdit>(dialog, "Edit1");
    edit->setText(QStringLiteral("before"));
    dialog.SetOpenBitmapDialog(
        [&](QWidget*) { return folder.filePath(QStringLiteral("gone.bmp")); });
    dialog.SpeedButton2Click();
    EXPECT_EQ(edit->text(), QStringLiteral("before"));
    dialog.SetOpenBitmapDialog([&](QWidget*) { return ownBitmap; });
    dialog.SpeedButton2Click();
    EXPECT_EQ(edit->text(), ownBitmap);
}

// Every caption fits its control in every language.
TEST_F(OptionsDialogTest, NoCaptionIsClipped) {
    for (std::int32_t id = 0; id < L::LanguageCount; ++id) {
        SCOPED_TRACE(id);
        Settings settings;
        settings.CurrentLanguageID = id;
        TfrmOptions dialog(language);
        dialog.FillFromSettings(settings);
        dialog.show();
        auto* pages = Find<QTabWidget>(dialog, "PageControl1");
        EXPECT_LE(pages->tabBar()->sizeHint().width(), pages->width());
        // A page gets its size when it is shown.
        for (int index = 0; index < pages->count(); ++index) {
            pages->setCurrentIndex(index);
            QWidget* page = pages->widget(index);
            for (QCheckBox* box : page->findChildren<QCheckBox*>()) {
                const std::string name = box->objectName().toStdString();
                EXPECT_LE(box->sizeHint().width(), box->width()) << name;
                EXPECT_LE(box->geometry().right(), box->parentWidget()->contentsRect().right())
                    << name;
            }
            for (QGroupBox* group : page->findChildren<QGroupBox*>()) {
                EXPECT_LE(group->fontMetrics().horizontalAdvance(group->title()) + 16,
                          group->width())
                    << group->objectName().toStdString();
                EXPECT_LE(group->geometry().right(), page->width())
                    << group->objectName().toStdString();
            }
            for (QLabel* label : page->findChildren<QLabel*>()) {
                if (label->text().isEmpty()) continue;
                const std::string name = label->objectName().toStdString();
                const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                     : label->sizeHint().height();
                EXPECT_LE(needed, label->height()) << name;
                if (!label->wordWrap()) {
                    EXPECT_LE(label->sizeHint().width(), label->width()) << name;
                }
                EXPECT_LE(label->geometry().right(), label->parentWidget()->width()) << name;
            }
        }
        for (const char* name : {"Button1", "Button2"}) {
            auto* button = Find<QPushButton>(dialog, name);
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width())
                << name;
        }
    }
}

TEST_F(OptionsDialogTest, Screenshots) {
    const char* languages[] = {"de", "en", "fr", "it"};
    for (std::int32_t id = 0; id < L::LanguageCount; ++id) {
        Settings settings;
        settings.CurrentLanguageID = id;
        TfrmOptions dialog(language);
        dialog.FillFromSettings(settings);
        dialog.show();
        auto* pages = Find<QTabWidget>(dialog, "PageControl1");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            T::SaveScreenshot(dialog, QStringLiteral("options_%1_page%2")
                                          .arg(QString::fromLatin1(languages[id]))
                                          .arg(page + 1));
        }
    }
}

} // namespace
