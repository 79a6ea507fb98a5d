#include "app/options_dialog.h"

#include <algorithm>
#include <array>
#include <variant>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>

#include "assets/assets.h"
#include "lang/app_languages.h"
#include "widgets/color_button.h"
#include "widgets/fonts.h"
#include "widgets/spin_edit.h"

namespace quintavo::app {

namespace {

constexpr int MinDepthPosition = 0;
constexpr int MaxDepthPosition = 7;
const QString WrongFileName = QStringLiteral("Wrong file name");
const QString BitmapFilter = QStringLiteral("Bitmap (*.bmp)");
const QString BitmapExtension = QStringLiteral("BMP");

// The German design-time text of a control in the options table.
QString DesignText(const char* name) {
    const lang::TextEntry* entry = lang::FindEntry(lang::Window::Options, name);
    return entry ? QString::fromUtf8(entry->text[lang::German]) : QString();
}

template <typename Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, QRect geometry) {
    auto* group = Named(new QGroupBox(DesignText(name), parent), name);
    group->setGeometry(geometry);
    return group;
}

QLabel* MakeLabel(QWidget* parent, const char* name, QPoint position) {
    auto* label = Named(new QLabel(DesignText(name), parent), name);
    label->move(position);
    label->adjustSize();
    return label;
}

QString AskBitmapFile(QWidget* parent, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setNameFilter(BitmapFilter);
    dialog.setDefaultSuffix(BitmapExtension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool IsExistingFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

// The stored colour unless the button now shows another one.
int ColorSetting(const widgets::TColorButton* button, int filled) {
    const auto filledRef = static_cast<std::uint32_t>(filled);
    if (button->Color() == widgets::ColorFromColorRef(filledRef)) return filled;
    return static_cast<int>(widgets::ColorRefFromColor(button->Color()));
}

} // namespace

// The controls that hold a setting as it is, each with its setting; both
// directions go through this one table. The own picture, depth, time limit,
// algorithm and the hidden "computer plays White" need more than a copy.
struct OptionBindings {
    using Settings = appcore::Settings;
    using Dialog = TfrmOptions;

    struct Check {
        QCheckBox* Dialog::*control;
        bool Settings::*setting;
    };
    // A list whose index is the setting; a number it does not hold leaves it
    // without a selection, and the number is kept unless another is chosen.
    struct List {
        QComboBox* Dialog::*control;
        int Settings::*setting;
        int Dialog::*filled;
    };
    // A colour as stored; kept as it was unless the button shows another.
    struct Colour {
        widgets::TColorButton* Dialog::*control;
        int Settings::*setting;
        std::int32_t Dialog::*filled;
    };
    using Binding = std::variant<Check, List, Colour>;

    static inline const std::array<Binding, 23> Table = {{
        Check{&Dialog::m_askForSaving, &Settings::bAskForSaving},
        List{&Dialog::m_language, &Settings::CurrentLanguageID, &Dialog::m_filledLanguage},
        Colour{&Dialog::m_darkSquares, &Settings::SquareColorDark, &Dialog::m_filledDark},
        Colour{&Dialog::m_lightSquares, &Settings::SquareColorLight, &Dialog::m_filledLight},
        Colour{&Dialog::m_frame, &Settings::ColorFrame, &Dialog::m_filledFrame},
        List{&Dialog::m_pieceSet, &Settings::PieceSet, &Dialog::m_filledPieceSet},
        Check{&Dialog::m_animatedMoves, &Settings::AnimatedMoves},
        Check{&Dialog::m_boardLines, &Settings::BoardLines},
        Check{&Dialog::m_computerPlaysBlack, &Settings::ComputerPlaysBlack},
        Check{&Dialog::m_whiteOnTop, &Settings::WhiteOnTop},
        Check{&Dialog::m_whiteKingSide, &Settings::WhiteKingSide},
        Check{&Dialog::m_whiteQueenSide, &Settings::WhiteQueenSide},
        Check{&Dialog::m_blackKingSide, &Settings::BlackKingSide},
        Check{&Dialog::m_blackQueenSide, &Settings::BlackQueenSide},
        Check{&Dialog::m_coordsWest, &Settings::DisplayCoordsWest},
        Check{&Dialog::m_coordsNorth, &Settings::DisplayCoordsNorth},
        Check{&Dialog::m_coordsEast, &Settings::DisplayCoordsEast},
        Check{&Dialog::m_coordsSouth, &Settings::DisplayCoordsSouth},
        Check{&Dialog::m_showChess, &Settings::ShowChess},
        Check{&Dialog::m_showDraw, &Settings::ShowDraw},
        Check{&Dialog::m_showMate, &Settings::ShowMate},
        Check{&Dialog::m_showCasteling, &Settings::ShowCasteling},
        Check{&Dialog::m_showThreeFoldPos, &Settings::ShowThreeFoldPos},
    }};

    static void Fill(Dialog& dialog, const Check& b, const Settings& settings) {
        (dialog.*b.control)->setChecked(settings.*b.setting);
    }
    static void Read(const Dialog& dialog, const Check& b, Settings& settings) {
        settings.*b.setting = (dialog.*b.control)->isChecked();
    }
    static void Fill(Dialog& dialog, const List& b, const Settings& settings) {
        const int value = settings.*b.setting;
        QComboBox* list = dialog.*b.control;
        dialog.*b.filled = value;
        list->setCurrentIndex(value >= 0 && value < list->count() ? value : -1);
    }
    static void Read(const Dialog& dialog, const List& b, Settings& settings) {
        const int index = (dialog.*b.control)->currentIndex();
        settings.*b.setting = index >= 0 ? index : dialog.*b.filled;
    }
    static void Fill(Dialog& dialog, const Colour& b, const Settings& settings) {
        dialog.*b.filled = settings.*b.setting;
        (dialog.*b.control)
            ->SetColor(widgets::ColorFromColorRef(static_cast<std::uint32_t>(dialog.*b.filled)));
    }
    static void Read(const Dialog& dialog, const Colour& b, Settings& settings) {
        settings.*b.setting = ColorSetting(dialog.*b.control, dialog.*b.filled);
    }
};

TfrmOptions::TfrmOptions(const lang::LanguageState& language, QWidget* parent)
    : QDialog(parent), m_languageState(language),
      m_saveDialog([](QWidget* owner) { return AskBitmapFile(owner, QFileDialog::AcceptSave); }),
      m_openDialog([](QWidget* owner) { return AskBitmapFile(owner, QFileDialog::AcceptOpen); }),
      m_reportError([](QWidget* owner, const QString& text) {
          QMessageBox::critical(owner, QStringLiteral("Quintavo"), text);
      }) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Optionen"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(widgets::DefaultWindowFont());

    m_pages = Named(new QTabWidget(this), "PageControl1");
    m_pages->setGeometry(16, 24, 449, 305);
    const char* pageNames[] = {"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet5"};
    for (const char* name : pageNames) {
        auto* page = Named(new QWidget(m_pages), name);
        m_pages->addTab(page, DesignText(name));
    }
    BuildGeneralPage(m_pages->widget(0));
    BuildMessagesPage(m_pages->widget(1));
    BuildExtendedPage(m_pages->widget(2));
    BuildColorsPage(m_pages->widget(3));
    BuildLanguagesPage(m_pages->widget(4));

    auto* ok = Named(new QPushButton(DesignText("Button1"), this), "Button1");
    ok->setGeometry(312, 344, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TfrmOptions::Button1Click);
    auto* cancel = Named(new QPushButton(DesignText("Button2"), this), "Button2");
    // Wider than OK: "Interrompere" needs the room where Tahoma is missing.
    cancel->setGeometry(392, 344, 82, 25);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    // FormCreate
    m_pages->setCurrentIndex(0);
    TrackBar1Change();
    RefreshPreview();
}

QCheckBox* TfrmOptions::AddCheckBox(QWidget* parent, const char* name, int x, int y, int width) {
    auto* box = Named(new QCheckBox(DesignText(name), parent), name);
    box->setGeometry(x, y, width, 17);
    return box;
}

void TfrmOptions::BuildGeneralPage(QWidget* page) {
    QGroupBox* basics = MakeGroup(page, "GroupBox4", QRect(8, 8, 209, 108));
    m_animatedMoves = AddCheckBox(basics, "CheckBox2", 12, 20, 190);
    m_boardLines = AddCheckBox(basics, "CheckBox3", 12, 40, 190);
    m_computerPlaysBlack = AddCheckBox(basics, "CheckBox4", 12, 60, 190);
    m_whiteOnTop = AddCheckBox(basics, "CheckBox10", 12, 80, 190);
    m_computerPlaysWhite = AddCheckBox(basics, "CheckBox5", 12, 60, 190);
    m_computerPlaysWhite->hide();
    connect(m_computerPlaysBlack, &QCheckBox::toggled, this, &TfrmOptions::CheckBox4Click);
    connect(m_computerPlaysWhite, &QCheckBox::toggled, this, &TfrmOptions::CheckBox5Click);

    QGroupBox* castling = MakeGroup(page, "GroupBox2", QRect(224, 8, 209, 108));
    m_whiteKingSide = AddCheckBox(castling, "CheckBox11", 12, 20, 190);
    m_whiteQueenSide = AddCheckBox(castling, "CheckBox12", 12, 40, 190);
    m_blackKingSide = AddCheckBox(castling, "CheckBox13", 12, 60, 190);
    m_blackQueenSide = AddCheckBox(castling, "CheckBox14", 12, 80, 190);

    QGroupBox* coordinates = MakeGroup(page, "GroupBox3", QRect(8, 124, 425, 68));
    m_coordsWest = AddCheckBox(coordinates, "CheckBox6", 12, 20, 200);
    m_coordsNorth = AddCheckBox(coordinates, "CheckBox7", 12, 40, 200);
    m_coordsEast = AddCheckBox(coordinates, "CheckBox8", 216, 20, 200);
    m_coordsSouth = AddCheckBox(coordinates, "CheckBox9", 216, 40, 200);
}

void TfrmOptions::BuildMessagesPage(QWidget* page) {
    QGroupBox* display = MakeGroup(page, "GroupBox6", QRect(8, 8, 209, 128));
    m_showChess = AddCheckBox(display, "CheckBox15", 12, 20, 190);
    m_showDraw = AddCheckBox(display, "CheckBox16", 12, 40, 190);
    m_showMate = AddCheckBox(display, "CheckBox17", 12, 60, 190);
    m_showCasteling = AddCheckBox(display, "CheckBox18", 12, 80, 190);
    m_showThreeFoldPos = AddCheckBox(display, "CheckBox1", 12, 100, 190);
}

void TfrmOptions::BuildExtendedPage(QWidget* page) {
    // Left column: algorithm, time, depth, save question.
    m_algorithms = MakeGroup(page, "RadioGroup1", QRect(8, 4, 200, 44));
    m_algorithmA = new QRadioButton(QStringLiteral("A"), m_algorithms);
    m_algorithmA->setGeometry(12, 20, 84, 17);
    m_algorithmB = new QRadioButton(QStringLiteral("B"), m_algorithms);
    m_algorithmB->setGeometry(104, 20, 84, 17);

    QGroupBox* time = MakeGroup(page, "GroupBox8", QRect(8, 52, 200, 50));
    m_timeLimit = Named(new widgets::TSpinEdit(time), "SpinEdit1");
    m_timeLimit->SetRange(widgets::TSpinEdit::DefaultMinValue, widgets::TSpinEdit::DefaultMaxValue);
    m_timeLimit->SetValue(300);
    m_timeLimit->setGeometry(12, 20, 100, 22);

    m_depthGroup = Named(new QGroupBox(page), "GroupBox9");
    m_depthGroup->setGeometry(8, 106, 200, 58);
    m_depth = Named(new QSlider(Qt::Horizontal, m_depthGroup), "TrackBar1");
    m_depth->setGeometry(8, 20, 184, 30);
    m_depth->setRange(MinDepthPosition, MaxDepthPosition);
    m_depth->setSingleStep(1);
    m_depth->setPageStep(1);
    m_depth->setTickInterval(1);
    m_depth->setTickPosition(QSlider::TicksBelow);
    m_depth->setValue(2);
    connect(m_depth, &QSlider::valueChanged, this, &TfrmOptions::TrackBar1Change);

    QGroupBox* saving = MakeGroup(page, "GroupBox14", QRect(8, 168, 200, 44));
    m_askForSaving = AddCheckBox(saving, "CheckBox19", 12, 20, 180);

    // Right column: piece set with its preview, own picture.
    MakeLabel(page, "Label1", QPoint(224, 8))->setFixedWidth(185);
    m_pieceSet = Named(new QComboBox(page), "ComboBox1");
    m_pieceSet->setGeometry(224, 26, 160, 22);
    for (int set = 1; set <= PieceSetEntries; ++set)
        m_pieceSet->addItem(QStringLiteral("Set %1").arg(set));
    connect(m_pieceSet, &QComboBox::currentIndexChanged, this, &TfrmOptions::ComboBox1Change);
    auto* exportButton = Named(new QToolButton(page), "SpeedButton1");
    exportButton->setGeometry(388, 26, 22, 22);
    exportButton->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(exportButton, &QToolButton::clicked, this, &TfrmOptions::SpeedButton1Click);

    auto* panel = Named(new QFrame(page), "Panel1");
    panel->setGeometry(224, 56, 185, 98);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    m_previewLabel = Named(new QLabel(panel), "Image1");
    m_previewLabel->setGeometry(1, 1, 183, 96);
    m_previewLabel->setScaledContents(true);

    QLabel* restartNote = MakeLabel(page, "Label5", QPoint(224, 158));
    restartNote->setFont(widgets::PixelFont(QStringLiteral("Tahoma"), 11, true));
    restartNote->setWordWrap(true);
    restartNote->setGeometry(224, 158, 209, 28);

    m_ownImage = AddCheckBox(page, "CheckBox20", 224, 190, 200);
    m_ownImagePath = Named(new QLineEdit(page), "Edit1");
    m_ownImagePath->setGeometry(224, 210, 160, 22);
    auto* browseButton = Named(new QToolButton(page), "SpeedButton2");
    browseButton->setGeometry(388, 210, 22, 22);
    browseButton->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    connect(browseButton, &QToolButton::clicked, this, &TfrmOptions::SpeedButton2Click);
}

void TfrmOptions::BuildColorsPage(QWidget* page) {
    QGroupBox* board = MakeGroup(page, "GroupBox11", QRect(8, 8, 209, 112));
    const char* labels[] = {"Label2", "Label3", "Label4"};
    const char* buttons[] = {"ColorButton1", "ColorButton2", "ColorButton3"};
    widgets::TColorButton** targets[] = {&m_darkSquares, &m_lightSquares, &m_frame};
    for (int i = 0; i < 3; ++i) {
        QLabel* label = MakeLabel(board, labels[i], QPoint(12, 26 + 30 * i));
        label->setFixedWidth(100);
        auto* button = Named(new widgets::TColorButton(board), buttons[i]);
        button->setGeometry(116, 20 + 30 * i, 80, 24);
        *targets[i] = button;
    }
}

void TfrmOptions::BuildLanguagesPage(QWidget* page) {
    QGroupBox* language = MakeGroup(page, "GroupBox13", QRect(8, 8, 209, 56));
    m_language = Named(new QComboBox(language), "ComboBox2");
    m_language->setGeometry(12, 22, 185, 22);
    for (const char* name : lang::LanguageNames)
        m_language->addItem(QString::fromUtf8(name));
    connect(m_language, &QComboBox::currentIndexChanged, this, &TfrmOptions::ComboBox2Click);
}

void TfrmOptions::FillFromSettings(const appcore::Settings& settings) {
    // The handlers would answer these assignments as if the user made them.
    QSignalBlocker blockPieceSet(m_pieceSet);
    QSignalBlocker blockLanguage(m_language);
    QSignalBlocker blockDepth(m_depth);
    QSignalBlocker blockBlack(m_computerPlaysBlack);
    QSignalBlocker blockWhite(m_computerPlaysWhite);

    m_ownImagePath->setText(QString::fromStdString(settings.PathPic));
    m_ownImage->setChecked(settings.ShowIt);
    for (const OptionBindings::Binding& binding : OptionBindings::Table)
        std::visit([&](const auto& b) { OptionBindings::Fill(*this, b, settings); }, binding);
    m_depth->setValue(std::clamp(settings.SearchDepth - 1, MinDepthPosition, MaxDepthPosition));
    m_timeLimit->SetValue(settings.iTimeLimit);
    (settings.CustomEngine ? m_algorithmB : m_algorithmA)->setChecked(true);
    m_computerPlaysWhite->setChecked(false);

    for (QSignalBlocker* blocker :
         {&blockPieceSet, &blockLanguage, &blockDepth, &blockBlack, &blockWhite})
        blocker->unblock();
    TrackBar1Change();
    RefreshPreview();
    if (isVisible()) ComboBox2Click();
}

void TfrmOptions::ReadBackInto(appcore::Settings& settings) const {
    const QString path = m_ownImagePath->text();
    if (IsExistingFile(path)) {
        settings.PathPic = path.toStdString();
        settings.ShowIt = m_ownImage->isChecked();
    } else {
        settings.PathPic.clear();
        settings.ShowIt = false;
    }
    for (const OptionBindings::Binding& binding : OptionBindings::Table)
        std::visit([&](const auto& b) { OptionBindings::Read(*this, b, settings); }, binding);
    settings.SearchDepth = m_depth->value() + 1;
    settings.iTimeLimit = m_timeLimit->Value();
    settings.CustomEngine = !m_algorithmA->isChecked();
}

void TfrmOptions::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
    }
    ComboBox2Click();
    RefreshPreview();
    QDialog::showEvent(event);
}

void TfrmOptions::ComboBox2Click() {
    lang::SetLanguageOptions(m_languageState, m_language->currentIndex(), this);
    TrackBar1Change();
}

void TfrmOptions::TrackBar1Change() {
    // Before any language has been chosen the shared prefix is still empty.
    const QString prefix = m_languageState.sSearchDepth.isEmpty() ? DesignText("sSearchDepth")
                                                                  : m_languageState.sSearchDepth;
    m_depthGroup->setTitle(prefix + QString::number(m_depth->value() + 1));
}

void TfrmOptions::ComboBox1Change() {
    RefreshPreview();
    m_ownImage->setChecked(false);
}

void TfrmOptions::CheckBox4Click() {
    if (m_computerPlaysBlack->isChecked()) m_computerPlaysWhite->setChecked(false);
}

void TfrmOptions::CheckBox5Click() {
    if (m_computerPlaysWhite->isChecked()) m_computerPlaysBlack->setChecked(false);
}

void TfrmOptions::SpeedButton1Click() {
    const QString path = m_saveDialog ? m_saveDialog(this) : QString();
    if (path.isEmpty() || m_preview.isNull()) return;
    if (!m_preview.save(path, "BMP") && m_reportError)
        m_reportError(this, QStringLiteral("Cannot create file \"%1\".").arg(path));
}

void TfrmOptions::SpeedButton2Click() {
    const QString path = m_openDialog ? m_openDialog(this) : QString();
    if (IsExistingFile(path)) m_ownImagePath->setText(QFileInfo(path).absoluteFilePath());
}

void TfrmOptions::Button1Click() {
    setResult(0);
    if (m_ownImage->isChecked() && !IsExistingFile(m_ownImagePath->text())) {
        m_pages->setCurrentWidget(m_ownImagePath->parentWidget());
        m_ownImagePath->setFocus();
        if (m_reportError) m_reportError(this, WrongFileName);
        return;
    }
    accept();
}

void TfrmOptions::RefreshPreview() {
    // Without a selection the list shows the set the stored number selects.
    const int index = m_pieceSet->currentIndex();
    const int set = index >= 0 ? index : std::clamp(m_filledPieceSet, 0, BuiltInPieceSetCount - 1);
    m_preview = LoadPicture(BuiltInPieceSetPath(set));
    m_previewLabel->setPixmap(QPixmap::fromImage(m_preview));
}

bool ExecOptionsDialog(appcore::Settings& settings, const lang::LanguageState& language,
                       QWidget* parent) {
    TfrmOptions dialog(language, parent);
    dialog.FillFromSettings(settings);
    if (dialog.exec() != QDialog::Accepted) return false;
    dialog.ReadBackInto(settings);
    return true;
}

} // namespace quintavo::app
