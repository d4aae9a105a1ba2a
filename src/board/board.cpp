#include "board.h"

#include "board/clickableimage.h"
#include "board/pictures.h"
#include "errors/runtimeerror.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace {

// Design sizes in pixels.
constexpr QSize kToolButtonSize(38, 37);
constexpr QSize kNextWordSize(153, 27);
constexpr QSize kPictureSize(160, 160);
constexpr QSize kNameAnchorSize(25, 17);
constexpr QSize kPlayerLabelSize(127, 24);
constexpr int kToolbarDesignWidth = 33;

const char* const kToolIcons[] = {"tool_start.png", "tool_end.png", "tool_hint.png",
                                  "tool_options.png", "tool_help.png"};

QLabel* pictureLabel(QWidget* parent, const QPixmap& picture)
{
    auto* label = new QLabel(parent);
    label->setPixmap(picture);
    label->resize(picture.size());
    return label;
}

} // namespace

Board::Board(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("board"));
    setFocusPolicy(Qt::StrongFocus);

    imgLeine = pictureLabel(this, pictures::named(QStringLiteral("clothesline.png")));
    imgLeine->setObjectName(QStringLiteral("imgLeine"));

    B_Folge = new QLabel(this);
    B_Folge->setObjectName(QStringLiteral("B_Folge"));
    B_Folge->resize(kPictureSize);
    B_Folge->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    B_Folge->hide();

    auto* templateField = pictureLabel(this, pictures::named(QStringLiteral("field.png")));
    templateField->setObjectName(QStringLiteral("Feld0"));
    templateField->hide();
    Feld.append(templateField);

    createToolbar();
    createPlayers();
    createAlphabet();
}

void Board::createToolbar()
{
    lblToolbar = new QLabel(this);
    lblToolbar->setObjectName(QStringLiteral("lblToolbar"));
    lblToolbar->setAutoFillBackground(true);
    lblToolbar->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #dbe9f7, stop:1 #a9c8ea);"
        "border-left: 1px solid #7f9fc4;"));
    lblToolbar->resize(kToolbarDesignWidth, 100);

    for (int i = 0; i < kToolButtons; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("PicBut%1").arg(i));
        button->setIcon(QIcon(pictures::named(QString::fromLatin1(kToolIcons[i]))));
        button->setIconSize(QSize(32, 32));
        button->setAutoRaise(true);
        button->resize(kToolButtonSize);
        connect(button, &QToolButton::clicked, this, [this, i] { emit toolButtonClicked(i); });
        PicBut[i] = button;
    }

    nextWord_ = new QPushButton(this);
    nextWord_->setObjectName(QStringLiteral("PicBut9"));
    nextWord_->resize(kNextWordSize);
    nextWord_->setEnabled(false); // enabled only while a finished word waits
    nextWord_->hide();
    connect(nextWord_, &QPushButton::clicked, this,
            [this] { emit toolButtonClicked(kNextWordButton); });

    for (int k = 0; k < kFlags; ++k) {
        auto* flag = new ClickableImage(this);
        flag->setObjectName(QStringLiteral("imgLang%1").arg(k));
        flag->setPicture(pictures::named(QStringLiteral("flag%1.png").arg(k)));
        connect(flag, &ClickableImage::clicked, this, [this, k] { emit flagClicked(k); });
        imgLang[k] = flag;
    }
}

void Board::createPlayers()
{
    lblNamen = new QLabel(this);
    lblNamen->setObjectName(QStringLiteral("lblNamen"));
    lblNamen->resize(kNameAnchorSize);

    QFont nameFont = font();
    nameFont.setPointSize(12);
    nameFont.setBold(true);
    for (int p = 0; p < kPlayers; ++p) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("Spieler%1").arg(p));
        label->resize(kPlayerLabelSize);
        label->setFont(nameFont);
        label->setAutoFillBackground(true);
        label->setIndent(4);
        label->hide();
        Spieler[p] = label;
    }
    for (int i = 0; i < kPlayers * kMarksPerPlayer; ++i) {
        auto* mark = new QLabel(this);
        mark->setObjectName(QStringLiteral("Punkt%1").arg(i));
        mark->hide();
        Punkt[i] = mark;
    }
}

void Board::createAlphabet()
{
    const QPixmap used = pictures::named(QStringLiteral("used.png"));
    for (int i = 0; i < kKeys; ++i) {
        auto* key = new ClickableImage(this);
        key->setObjectName(QStringLiteral("imgAlpha%1").arg(i));
        key->resize(25, 30);
        key->hide();
        connect(key, &ClickableImage::clicked, this, [this, i] { emit keyClicked(i); });
        imgAlpha[i] = key;

        auto* mark = pictureLabel(this, used);
        mark->setObjectName(QStringLiteral("imgDisabled%1").arg(i));
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->hide();
        imgDisabled[i] = mark;
    }
}

void Board::loadAlpha()
{
    // The letters hang in front of the line, the used marks in front of the letters.
    imgLeine->lower();
    for (int i = 0; i < kKeys; ++i)
        imgDisabled[i]->raise();
    for (int i = 0; i <= 25; ++i) {
        imgAlpha[i]->setPicture(pictures::letterCell(i));
        imgAlpha[i]->setTag(QString(QChar(u'A' + i)));
        imgAlpha[i]->show();
    }
}

void Board::setLanguageLetters(int languageOffset)
{
    struct Letter
    {
        int cell; // -1: the key is hidden
        char16_t tag;
    };
    static const std::array<std::array<Letter, 3>, 7> letters = {{
        {{{26, u'Ä'}, {27, u'Ö'}, {28, u'Ü'}}},
        {{{-1, 0}, {-1, 0}, {-1, 0}}},
        {{{26, u'Ä'}, {27, u'Ö'}, {30, u'Å'}}},
        {{{-1, 0}, {-1, 0}, {-1, 0}}},
        {{{31, u'Ã'}, {32, u'Õ'}, {34, u'Ç'}}},
        {{{33, u'Ñ'}, {-1, 0}, {-1, 0}}},
        {{{34, u'Ç'}, {-1, 0}, {-1, 0}}},
    }};
    if (languageOffset < 0 || languageOffset > 6000 || languageOffset % 1000 != 0)
        return;
    const auto& row = letters[languageOffset / 1000];
    for (int j = 0; j < 3; ++j) {
        ClickableImage* key = imgAlpha[26 + j];
        if (row[j].cell < 0) {
            key->hide(); // a hidden key keeps its picture and tag
            continue;
        }
        key->setPicture(pictures::letterCell(row[j].cell));
        key->setTag(QString(QChar(row[j].tag)));
        key->show();
    }
}

void Board::Motiv_Wahl(int motif, bool backgroundShown, int step)
{
    if (backgroundShown) {
        background_ = pictures::background(motif);
    } else {
        background_ = QPixmap();
        backgroundColour_ = QColor(0, 0, 128);
    }
    update();
    B_Folge->setPixmap(pictures::sequencePicture(motif, step));
    const QPixmap symbol = pictures::scoreSymbol(motif);
    for (QLabel* mark : Punkt) {
        mark->setPixmap(symbol);
        mark->resize(symbol.size());
    }
}

QLabel* Board::field(int index) const
{
    return Feld.value(index, nullptr);
}

void Board::createFields(int count)
{
    while (Feld.size() > 1)
        delete Feld.takeLast();
    const QLabel* model = Feld.first();
    for (int i = 1; i <= count; ++i) {
        auto* copy = pictureLabel(this, model->pixmap());
        copy->setObjectName(QStringLiteral("Feld%1").arg(i));
        copy->move(model->pos());
        copy->hide();
        Feld.append(copy);
    }
}

void Board::setFieldLetter(int index, const QPixmap& letter)
{
    QLabel* target = field(index);
    if (!target || index == 0)
        throw RunTimeError(RunTimeError::ControlArrayElementMissing);
    QPixmap composed = Feld.first()->pixmap();
    QPainter painter(&composed);
    painter.drawPixmap((composed.width() - letter.width()) / 2,
                       (composed.height() - letter.height()) / 2, letter);
    painter.end();
    target->setPixmap(composed);
}

int Board::availableWidth() const
{
    return width() - lblToolbar->width();
}

void Board::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), backgroundColour_);
    if (!background_.isNull())
        painter.drawPixmap(QRect(0, 0, availableWidth(), height()), background_);
}
