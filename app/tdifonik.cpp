#include "app/tdifonik.h"

#include <QLayout>
#include <QScreen>

#include <cmath>

#include "analysis/passes.h"
#include "app/action_guard.h"
#include "app/control_captions.h"
#include "app/dialogs.h"
#include "app/glyphs.h"
#include "app/language_table.h"
#include "app/layout_scaling.h"
#include "app/memo/byte_memo.h"
#include "app/menu_captions.h"
#include "app/row_height_delegate.h"
#include "app/sample_list_model.h"
#include "app/symbol_list_model.h"
#include "app/text_encoding.h"
#include "app/text_load.h"
#include "app/window_font.h"
#include "storage/base_name.h"
#include "storage/base_saving.h"
#include "storage/sampler_launch.h"
#include "ui_TDifonik.h"

// The pictures live in the window library; a static library must register them by hand.
static void registerPictures() { Q_INIT_RESOURCE(difonik); }

namespace difonik {
namespace {

constexpr int kClientWidth = 951;
constexpr int kClientHeight = 694;
constexpr int kListRowHeight = 13;

}  // namespace

TDifonik::TDifonik(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TDifonik>()), dialogs_(dialogs) {
    registerPictures();
    ui_->setupUi(this);
    setUpFrame();
    const qreal scale = setUpFontAndScale();
    setUpLists(int(std::lround(kListRowHeight * scale)));
    fitLabels();
    setUpGlyphs();
    setUpMenuCaptions();
    connectActions();
    ui_->edit_znak->setFocus();
}

TDifonik::~TDifonik() = default;

// A fixed window with a caption bar and a close button only, on the button-face colour.
void TDifonik::setUpFrame() {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    ui_->ClientArea->setAutoFillBackground(true);
}

// The window's font at the screen's pixels per inch; the layout grows with the font's height.
// Gives the factor by which it grew.
qreal TDifonik::setUpFontAndScale() {
    const qreal dotsPerInch = screen() != nullptr ? screen()->logicalDotsPerInchY() : 96.0;
    const QFont font = windowFont(fontPixelSize(dotsPerInch));
    setFont(font);
    const qreal scale = layoutScale(font, dotsPerInch);
    if (scale != 1.0) scaleChildGeometry(*ui_->ClientArea, scale);
    ui_->ClientArea->setFixedSize(int(std::lround(kClientWidth * scale)), int(std::lround(kClientHeight * scale)));
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    return scale;
}

// Labels size themselves to their captions, in whatever font the window got.
void TDifonik::fitLabels() {
    for (QLabel* label : ui_->ClientArea->findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) fitToCaption(*label);
    }
}

void TDifonik::setUpGlyphs() {
    const QIcon plus = glyphIcon(QStringLiteral(":/pictures/plus.png"));
    const QIcon minus = glyphIcon(QStringLiteral(":/pictures/minus.png"));
    ui_->dodaj_do_alfabetu->setIcon(plus);
    ui_->dodaj_powiazanie->setIcon(plus);
    ui_->usun_z_alfabetu->setIcon(minus);
    ui_->usun_powiazanie->setIcon(minus);
    ui_->SpeedButton1->setIcon(glyphIcon(QStringLiteral(":/pictures/diskette.png")));
}

// The views show the core's lists through models that the lists tell of every change.
void TDifonik::setUpLists(int rowHeight) {
    alphabetModel_ = std::make_unique<SymbolListModel>(analysis_.alfabet);
    connectionModel_ = std::make_unique<SymbolListModel>(analysis_.powiazania);
    sampleModel_ = std::make_unique<SampleListModel>(analysis_.lista_sampli);
    ui_->alfabet->setModel(alphabetModel_.get());
    ui_->powiazania->setModel(connectionModel_.get());
    ui_->lista_sampli->setModel(sampleModel_.get());
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(ui_->alfabet),
                                    static_cast<QAbstractItemView*>(ui_->powiazania),
                                    static_cast<QAbstractItemView*>(ui_->lista_sampli)}) {
        view->setItemDelegate(new RowHeightDelegate(rowHeight, view));
    }
}

// The menu captions become program texts, and the bar gets its mnemonics.
void TDifonik::setUpMenuCaptions() {
    for (QAction* item : ui_->MainMenu->actions()) setMenuCaption(*item, menuCaptionFromShown(item->text()));
    rebuildMnemonics(*ui_->MainMenu);
}

void TDifonik::connectActions() {
    const auto on = [this](auto* sender, auto signal, void (TDifonik::*handler)()) {
        connect(sender, signal, this, guarded(dialogs_, this, handler));
    };
    on(ui_->dodaj_do_alfabetu, &QToolButton::clicked, &TDifonik::dodaj_do_alfabetuClick);
    on(ui_->usun_z_alfabetu, &QToolButton::clicked, &TDifonik::usun_z_alfabetuClick);
    on(ui_->dodaj_powiazanie, &QToolButton::clicked, &TDifonik::dodaj_powiazanieClick);
    on(ui_->usun_powiazanie, &QToolButton::clicked, &TDifonik::usun_powiazanieClick);
    on(ui_->button1, &QPushButton::clicked, &TDifonik::button1Click);
    on(ui_->button2, &QPushButton::clicked, &TDifonik::button2Click);
    on(ui_->Button3, &QPushButton::clicked, &TDifonik::Button3Click);
    on(ui_->SpeedButton1, &QToolButton::clicked, &TDifonik::SpeedButton1Click);
    on(ui_->Button4, &QPushButton::clicked, &TDifonik::Button4Click);
    on(ui_->Openfromfile1, &QAction::triggered, &TDifonik::Openfromfile1Click);
    on(ui_->Polski1, &QAction::triggered, &TDifonik::Polski1Click);
    on(ui_->English1, &QAction::triggered, &TDifonik::English1Click);
}

void TDifonik::showEvent(QShowEvent* event) {
    if (!placed_ && screen() != nullptr) {
        placed_ = true;
        const QRect area = screen()->availableGeometry();
        move(area.center() - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    }
    QMainWindow::showEvent(event);
}

PassContext TDifonik::passContext() { return PassContext{*ui_->memo_tekst, *ui_->Progress, *this}; }

void TDifonik::setCounterCaptions(const std::string& alphabet, const std::string& connections,
                                  const std::string& samples) {
    setControlCaption(*ui_->label_alfabetu, alphabet);
    setControlCaption(*ui_->label_powiazan, connections);
    setControlCaption(*ui_->label_sampli, samples);
}

QObject* TDifonik::control(const std::string& name) {
    const QString objectName = QString::fromStdString(name);
    return objectName == this->objectName() ? this : findChild<QObject*>(objectName);
}

void TDifonik::dodaj_do_alfabetuClick() {
    addByHand(analysis_, analysis_.alfabet, toCp1250(ui_->edit_znak->text()), *this);
}

void TDifonik::usun_z_alfabetuClick() { removeTicked(analysis_, analysis_.alfabet, *this); }

void TDifonik::dodaj_powiazanieClick() {
    addByHand(analysis_, analysis_.powiazania, toCp1250(ui_->edit_powiazanie->text()), *this);
}

void TDifonik::usun_powiazanieClick() { removeTicked(analysis_, analysis_.powiazania, *this); }

void TDifonik::button1Click() { buildAlphabet(analysis_, passContext()); }

void TDifonik::button2Click() {
    if (!analyseConnections(analysis_, passContext())) dialogs_.showMessage(kEmptyAlphabetMessage);
}

void TDifonik::Button3Click() { composeSamples(analysis_); }

void TDifonik::SpeedButton1Click() {
    const std::string name = toCp1250(ui_->edit_nazwa->text());
    if (const auto refusal = baseNameRefusal(name)) {
        dialogs_.showMessage(*refusal);
        return;
    }
    saveBase(name, analysis_.lista_sampli.entries());
    dialogs_.showMessage(kBaseSavedMessage);
}

void TDifonik::Button4Click() {
    startSampler();
    close();
}

void TDifonik::Openfromfile1Click() {
    const std::optional<QString> chosen = dialogs_.askFileToOpen();
    if (!chosen) return;
    std::string content = textAreaContent(readChosenFile(*chosen));
    if (content == ui_->memo_tekst->text()) return;  // unchanged: position and selection stay
    ui_->memo_tekst->setText(std::move(content));
}

void TDifonik::Polski1Click() { ustaw_jezyk("Pl"); }

void TDifonik::English1Click() { ustaw_jezyk("En"); }

void TDifonik::ustaw_jezyk(const std::string& code) {
    const std::vector<Caption> captions = captionsForLanguage(code);
    if (captions.empty()) return;
    jezyk = code;
    for (const Caption& caption : captions) {
        if (QObject* target = control(caption.control)) setControlCaption(*target, caption.text);
    }
    rebuildMnemonics(*ui_->MainMenu);
}

}  // namespace difonik
