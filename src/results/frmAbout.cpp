#include "results/frmAbout.h"

#include "platform/ErrorTrap.h"
#include "platform/Geometry.h"
#include "state/Resources.h"

#include <QKeySequence>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace lumari {
namespace {

// Client area and first position of the window, in twips.
constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 5100;
constexpr int kFirstLeft = 2340;
constexpr int kFirstTop = 1935;

// One line of the etched separators, in twips.
struct SeparatorLine {
    int x1, x2, y;
    bool white;  // white 2-pixel line; otherwise grey 1-pixel
};
// Line1 elements 1, 0, 4 and 3.
constexpr SeparatorLine kLines[] = {
    {90, 5654, 2400, false},
    {105, 5654, 2400, true},
    {120, 5684, 3360, false},
    {135, 5684, 3375, true},
};

// A label as the dialog shows it; color: its text colour, the platform's
// window-text colour when invalid.
QLabel* MakeLabel(QWidget* parent, const char* name, int l, int t, int w, int h, const QColor& color = Qt::black)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    if (color.isValid()) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, color);
        label->setPalette(palette);
    }
    PlaceTwips(label, l, t, w, h);
    return label;
}

}  // namespace

frmAbout::frmAbout(const Services& services, ResultsTexts texts, QWidget* parent)
    : QWidget(parent), services_(services), texts_(std::move(texts))
{
    setObjectName(QStringLiteral("frmAbout"));
    // Fixed dialog frame: close box only, no resizing.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowIcon(ProgramIcon());
    setFont(DialogFont());
    setGeometry(TwipsToPixels(kFirstLeft), TwipsToPixels(kFirstTop), TwipsToPixels(kClientWidth),
                TwipsToPixels(kClientHeight));
    setFixedSize(TwipsToPixels(kClientWidth), TwipsToPixels(kClientHeight));

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ProgramIconPixmap32());
    picIcon->setAlignment(Qt::AlignCenter);
    PlaceTwips(picIcon, 240, 240, 480, 480);

    lblTitle = MakeLabel(this, "lblTitle", 1050, 240, 3885, 480);
    lblVersion = MakeLabel(this, "lblVersion", 1050, 780, 3885, 225, QColor());
    lblDescription = MakeLabel(this, "lblDescription", 1080, 1125, 3885, 1050);
    lblDisclaimer = MakeLabel(this, "lblDisclaimer", 255, 2625, 3870, 585);
    lblDisclaimer->setText(
        QStringLiteral("This program may be distributed and used freely for non-commercial purposes."));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    PlaceTwips(cmdOK, 4245, 2880, 1260, 345);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    lblEsito = MakeLabel(this, "lblEsito", 120, 3600, 2565, 1290);
    lblStatistiche = MakeLabel(this, "lblStatistiche", 3000, 3600, 2565, 1290, QColor(0, 0, 255));

    // OK is both the default and the cancel button: Enter and Esc press it
    // wherever the focus is.
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter),
                                   QKeySequence(Qt::Key_Escape)}) {
        auto* shortcut = new QShortcut(key, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, cmdOK, &QPushButton::click);
    }

    // Only OK takes the focus; the labels and the icon follow it in the
    // designed order.
    setTabOrder(cmdOK, picIcon);
    setTabOrder(picIcon, lblDescription);
    setTabOrder(lblDescription, lblDisclaimer);
    setTabOrder(lblDisclaimer, lblTitle);
    setTabOrder(lblTitle, lblVersion);
    setTabOrder(lblVersion, lblEsito);
    setTabOrder(lblEsito, lblStatistiche);
    cmdOK->setFocus();
}

QPointer<frmAbout> frmAbout::Start(const Services& services, const ResultsTexts& texts)
{
    QPointer<frmAbout> window = new frmAbout(services, texts);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->Form_Load();
    window->show();
    window->cmdOK->setFocus();
    return window;
}

void frmAbout::Form_Load()
{
    const ResultsTexts& texts = texts_;
    setWindowTitle(texts.caption);
    lblVersion->setText(texts.version);
    lblTitle->setText(texts.title);
    lblDescription->setText(texts.credits);
    lblEsito->setText(texts.session);
    lblStatistiche->setText(texts.statistics);
}

void frmAbout::cmdOK_Click()
{
    ErrorTrap trap(services_.boxes, QStringLiteral("cmdOK_Click"));
    trap([&] { close(); });
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    // The white lines first, so each grey line stays visible above the white
    // one it pairs with, also where both share a height.
    for (const bool white : {true, false}) {
        for (const SeparatorLine& line : kLines) {
            if (line.white != white) continue;
            const int x1 = TwipsToPixels(line.x1);
            const int x2 = TwipsToPixels(line.x2);
            painter.fillRect(QRect(x1, TwipsToPixels(line.y), x2 - x1 + 1, white ? 2 : 1),
                             white ? QColor(Qt::white) : QColor(128, 128, 128));
        }
    }
}

}  // namespace lumari
