#include "board.h"

#include "board/announcer.h"
#include "board/clickableimage.h"
#include "board/focusmarker.h"
#include "board/layoutmath.h"
#include "board/pictures.h"
#include "board/worddisplay.h"
#include "errors/errorscope.h"
#include "frame/languagetable.h"
#include "widgets/accessibility.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include <mutex>

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

const QColor kWaitingBackground(0, 0, 255);
const QColor kWaitingText(192, 192, 192);
const QColor kOnTurnBackground(255, 0, 0);
const QColor kOnTurnText(255, 255, 255);
const QColor kOwnGlyphColour(0x2f, 0x4f, 0x78);
constexpr int kOwnGlyphPixels = 20;

// Texts a screen reader reads.
constexpr int kBoardName = 425;
constexpr int kWordName = 410;
constexpr int kPictureName = 416;
constexpr int kWrongGuesses = 415;
constexpr int kPlayerWaiting = 420;
constexpr int kPlayerOnTurn = 421;
constexpr int kScoreMark = 422;
constexpr int kFirstLanguageName = 430;

QLabel* pictureLabel(QWidget* parent, const QPixmap& picture)
{
    auto* label = new QLabel(parent);
    label->setPixmap(picture);
    label->resize(pictures::boardSize(picture));
    return label;
}

// The board as a screen reader meets it: a panel of the controls in their
// reading order, those that show.
QAccessibleInterface* boardPanelOf(const QString& className, QObject* object)
{
    if (className != QLatin1String(Board::staticMetaObject.className()))
        return nullptr;
    auto* board = static_cast<Board*>(object);
    return accessibility::withChildren(board, QAccessible::Pane, [board] {
        QWidgetList children = board->readingOrder();
        children.removeIf([board](const QWidget* child) { return !child->isVisibleTo(board); });
        return children;
    });
}

} // namespace

Board::Board(QWidget* parent) : QWidget(parent)
{
    static std::once_flag factory;
    std::call_once(factory, [] { QAccessible::installFactory(&boardPanelOf); });
    setObjectName(QStringLiteral("board"));

    imgLeine = new QLabel(this);
    imgLeine->setObjectName(QStringLiteral("imgLeine"));

    B_Folge = new QLabel(this);
    B_Folge->setObjectName(QStringLiteral("B_Folge"));
    B_Folge->resize(kPictureSize);
    B_Folge->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The story's pictures cover their label whole, so the background under it
    // is not drawn again at every step of a picture growing into place.
    B_Folge->setAttribute(Qt::WA_OpaquePaintEvent);
    B_Folge->hide();
    B_Folge->setFocusPolicy(Qt::TabFocus);

    auto* templateField = new QLabel(this);
    templateField->setObjectName(QStringLiteral("Feld0"));
    templateField->hide();
    Feld.append(templateField);
    fieldLooks_.append(FieldLook());

    word_ = new WordDisplay(this);
    word_->setObjectName(QStringLiteral("word"));
    word_->hide();

    createToolbar();
    createPlayers();
    createAlphabet();

    announcer_ = new Announcer(this);
    announcer_->setObjectName(QStringLiteral("news"));
    focusMarker_ = new FocusMarker(this);

    QWidget* previous = nullptr;
    for (QWidget* control : readingOrder()) {
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }

    // The design's pictures; one that is missing leaves its element empty.
    ErrorScope::run(modules::frmMain, "Form_Load", [&](ErrorScope& scope) {
        const qreal ratio = devicePixelRatio();
        scope.attempt([&] {
            imgLeine->setPixmap(pictures::named(QStringLiteral("clothesline.png"), ratio));
            imgLeine->resize(pictures::boardSize(imgLeine->pixmap()));
        });
        scope.attempt([&] {
            templateField->setPixmap(pictures::named(QStringLiteral("field.png"), ratio));
            templateField->resize(pictures::boardSize(templateField->pixmap()));
        });
        for (int i = 0; i < kToolButtons; ++i) {
            scope.attempt([&] {
                PicBut[i]->setIcon(
                    QIcon(pictures::named(QString::fromLatin1(kToolIcons[i]), ratio)));
            });
        }
        for (int k = 0; k < kFlags; ++k) {
            scope.attempt([&] {
                imgLang[k]->setPicture(pictures::named(QStringLiteral("flag%1.png").arg(k), ratio));
            });
        }
        const QPixmap used =
            scope.attempt([&] { return pictures::named(QStringLiteral("used.png"), ratio); });
        for (QLabel* mark : imgDisabled) {
            mark->setPixmap(used);
            mark->resize(pictures::boardSize(used));
        }
    });
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
            [this] { emit toolButtonClicked(toolbar::NextWord); });

    for (int k = 0; k < kFlags; ++k) {
        auto* flag = new ClickableImage(this);
        flag->setObjectName(QStringLiteral("imgLang%1").arg(k));
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
        label->setFocusPolicy(Qt::TabFocus);
        label->hide();
        Spieler[p] = label;
        setPlayerColours(p, false);
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
    for (int i = 0; i < kKeys; ++i) {
        auto* key = new ClickableImage(this);
        key->setObjectName(QStringLiteral("imgAlpha%1").arg(i));
        key->resize(25, 30);
        key->hide();
        key->setEnabled(false);
        connect(key, &ClickableImage::clicked, this, [this, i] { emit keyClicked(i); });
        imgAlpha[i] = key;

        auto* mark = new QLabel(this);
        mark->setObjectName(QStringLiteral("imgDisabled%1").arg(i));
        mark->setAttribute(Qt::WA_TransparentForMouseEvents);
        mark->hide();
        imgDisabled[i] = mark;
    }
}

void Board::loadAlpha()
{
    ErrorScope::run(modules::frmMain, "loadAlpha", [&] {
        // The letters hang in front of the line, the used marks in front of the letters.
        imgLeine->lower();
        for (int i = 0; i < kKeys; ++i)
            imgDisabled[i]->raise();
        posAlpha();
    });
}

void Board::Motiv_Wahl(int motif, bool backgroundShown)
{
    ErrorScope::run(modules::frmMain, "Motiv_Wahl", [&](ErrorScope& scope) {
        if (backgroundShown) {
            background_ =
                scope.attempt([&] { return pictures::background(motif, devicePixelRatio()); });
        } else {
            background_ = QPixmap();
            backgroundColour_ = QColor(0, 0, 128);
        }
        update();
        const QPixmap symbol =
            scope.attempt([&] { return pictures::scoreSymbol(motif, devicePixelRatio()); });
        for (QLabel* mark : Punkt) {
            mark->setPixmap(symbol);
            mark->resize(pictures::boardSize(symbol));
        }
    });
}

void Board::show(const BoardView& view)
{
    if (shownOnce_ && view == shown_)
        return;
    showKeys(view);
    // A newly drawn word's fields stand side by side, centred left of the
    // toolbar; the next layout pass places them anew.
    if (view.wordNumber != shown_.wordNumber)
        dealFields(static_cast<int>(view.fields.size()));
    showFields(view);
    showPicture(view);
    showToolbar(view);
    showPlayers(view);
    nameControls(view, !shownOnce_);
    shown_ = view;
    shownOnce_ = true;
}

void Board::applyLanguage()
{
    accessibility::setName(this, language::text(kBoardName));
    accessibility::setName(word_, language::text(kWordName));
    accessibility::setName(B_Folge, language::text(kPictureName));
    for (int k = 0; k < kFlags; ++k) {
        accessibility::setName(imgLang[k], language::text(kFirstLanguageName + k));
        // Each language's own name for itself, for whoever does not read the current one.
        imgLang[k]->setToolTip(
            language::text(kFirstLanguageName + k, static_cast<qint16>(k * 1000)));
    }
    nameControls(shown_, true);
}

// Names cost text lookups, and a word's set-up shows the board many times over;
// only what changed since the view shown last is named anew, unless `all`.
void Board::nameControls(const BoardView& view, bool all)
{
    if (all || view.keys != shown_.keys) {
        for (int i = 0; i < kKeys; ++i)
            accessibility::setName(imgAlpha[i], view.keys[i].letter);
    }
    if (all || view.names != shown_.names || view.scores != shown_.scores ||
        view.onTurn != shown_.onTurn || view.players != shown_.players)
        namePlayers(view);
    if (all || view.pictureStep != shown_.pictureStep)
        accessibility::setDescription(
            B_Folge, language::filled(kWrongGuesses, QString::number(view.pictureStep),
                                      QString::number(pictures::kSteps - 1)));
    if (all || view.word != shown_.word || view.fields != shown_.fields ||
        view.fieldsDealt != shown_.fieldsDealt)
        word_->setText(WordDisplay::spoken(view));
}

void Board::namePlayers(const BoardView& view)
{
    for (int p = 0; p < kPlayers; ++p) {
        const QString points = QString::number(view.scores[p]);
        accessibility::setName(Spieler[p],
                               language::filled(p == view.onTurn ? kPlayerOnTurn : kPlayerWaiting,
                                                view.names[p], points));
        for (int j = 0; j < kMarksPerPlayer; ++j)
            accessibility::setName(
                Punkt[p * kMarksPerPlayer + j],
                language::filled(kScoreMark, view.names[p], QString::number(j + 1)));
    }
    announcer_->follow(view);
}

QWidgetList Board::readingOrder() const
{
    QWidgetList order;
    for (int p = 0; p < kPlayers; ++p) {
        order.append(Spieler[p]);
        for (int j = 0; j < kMarksPerPlayer; ++j)
            order.append(Punkt[p * kMarksPerPlayer + j]);
    }
    order << B_Folge << word_ << nextWord_;
    for (ClickableImage* key : imgAlpha)
        order.append(key);
    for (QToolButton* button : PicBut)
        order.append(button);
    for (ClickableImage* flag : imgLang)
        order.append(flag);
    order.append(announcer_);
    return order;
}

void Board::showKeys(const BoardView& view)
{
    for (int i = 0; i < kKeys; ++i) {
        const BoardView::Key& wanted = view.keys[i];
        const BoardView::Key& now = shown_.keys[i];
        ClickableImage* key = imgAlpha[i];
        if (!shownOnce_ || wanted.cell != now.cell)
            key->setPicture(wanted.cell < 0
                                ? QPixmap()
                                : pictures::letterCell(wanted.cell, devicePixelRatio()));
        key->setTag(wanted.letter);
        key->setEnabled(wanted.enabled);
        key->setVisible(wanted.visible);
        imgDisabled[i]->setVisible(wanted.marked);
    }
}

void Board::growFieldPool(int length)
{
    while (Feld.size() <= length) {
        const QLabel* model = Feld.first();
        auto* copy = pictureLabel(this, model->pixmap());
        copy->setObjectName(QStringLiteral("Feld%1").arg(Feld.size()));
        copy->move(model->pos());
        copy->hide();
        Feld.append(copy);
        fieldLooks_.append(FieldLook());
    }
}

QPixmap Board::fieldPicture(int look, QChar character) const
{
    QPixmap composed = Feld.first()->pixmap();
    if (look == BoardView::kOwnGlyph) {
        // A character the letter sheet lacks stands on the field as the font draws it.
        QPainter painter(&composed);
        QFont glyphFont = font();
        glyphFont.setPixelSize(kOwnGlyphPixels);
        glyphFont.setBold(true);
        painter.setFont(glyphFont);
        painter.setPen(kOwnGlyphColour);
        painter.drawText(QRect(QPoint(0, 0), pictures::boardSize(composed)), Qt::AlignCenter,
                         QString(character));
        return composed;
    }
    if (look < 0)
        return composed;
    const QPixmap letter = pictures::letterCell(look, composed.devicePixelRatio());
    const QSize margins = pictures::boardSize(composed) - pictures::boardSize(letter);
    QPainter painter(&composed);
    painter.drawPixmap(margins.width() / 2, margins.height() / 2, letter);
    return composed;
}

void Board::showFields(const BoardView& view)
{
    const int length = static_cast<int>(view.fields.size());
    growFieldPool(length);
    for (int i = 1; i < Feld.size(); ++i) {
        QLabel* field = Feld[i];
        const int look = i <= length ? view.fields[i - 1] : BoardView::kGap;
        const FieldLook wanted{look, look == BoardView::kOwnGlyph ? view.word.at(i - 1) : QChar()};
        if (look != BoardView::kGap && wanted != fieldLooks_[i]) {
            field->setPixmap(fieldPicture(look, wanted.character));
            fieldLooks_[i] = wanted;
        }
        field->setVisible(i <= view.fieldsDealt && look != BoardView::kGap);
    }
    word_->setVisible(length > 0);
}

void Board::showPicture(const BoardView& view)
{
    if (!shownOnce_ || view.motif != shown_.motif || view.pictureStep != shown_.pictureStep)
        B_Folge->setPixmap(
            pictures::sequencePicture(view.motif, view.pictureStep, devicePixelRatio()));
    const int fullHeight = B_Folge->pixmap().isNull()
                               ? kPictureSize.height()
                               : pictures::boardSize(B_Folge->pixmap()).height();
    B_Folge->resize(B_Folge->width(), view.pictureHeight < 0 ? fullHeight : view.pictureHeight);
    B_Folge->setVisible(view.pictureShown);
}

void Board::showToolbar(const BoardView& view)
{
    const bool nextWasShown = nextWord_->isEnabled();
    // Start and Next word, pressed by the keyboard, hand the focus to the
    // picture, which grows anew for the word they bring: not on to End game.
    if ((!view.startEnabled && PicBut[toolbar::Start]->hasFocus()) ||
        (!view.nextWordShown && nextWord_->hasFocus()))
        B_Folge->setFocus();
    PicBut[toolbar::Start]->setEnabled(view.startEnabled);
    PicBut[toolbar::Hint]->setEnabled(view.hintEnabled);
    PicBut[toolbar::Hint]->setVisible(view.hintShown);
    nextWord_->setEnabled(view.nextWordShown);
    nextWord_->setVisible(view.nextWordShown);
    if (view.nextWordShown && !nextWasShown)
        nextWord_->setFocus(); // a minimised window cannot take it; that is fine
}

void Board::showPlayers(const BoardView& view)
{
    for (int p = 0; p < kPlayers; ++p) {
        QLabel* label = Spieler[p];
        if (!shownOnce_ || view.names[p] != shown_.names[p])
            label->setText(fitName(view.names[p], label->font(), label->width()));
        if (!shownOnce_ || view.onTurn != shown_.onTurn)
            setPlayerColours(p, p == view.onTurn);
        label->setVisible(p < view.players);
        for (int j = 0; j < kMarksPerPlayer; ++j)
            Punkt[p * kMarksPerPlayer + j]->setVisible(j < view.scores[p]);
    }
}

void Board::setPlayerColours(int player, bool onTurn)
{
    QLabel* label = Spieler[player];
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, onTurn ? kOnTurnBackground : kWaitingBackground);
    palette.setColor(QPalette::WindowText, onTurn ? kOnTurnText : kWaitingText);
    label->setPalette(palette);
}

QString Board::fitName(const QString& name, const QFont& font, int width)
{
    QFont measuring = font;
    measuring.setPointSize(12);
    const QFontMetrics metrics(measuring);
    QString caption = name;
    if (metrics.horizontalAdvance(caption) <= width)
        return caption;
    // Each pass drops one more character and keeps a single full stop; names
    // shorter than ten characters stay whole however wide they are.
    for (qsizetype counter = caption.size(); counter >= 10; --counter) {
        if (metrics.horizontalAdvance(caption) > width)
            caption = caption.left(caption.size() - 2) + u'.';
    }
    return caption;
}

QString Board::shownName(int player) const
{
    return Spieler.at(player)->text();
}

int Board::fieldPitch() const
{
    return layoutmath::R(Feld.first()->width() * 1.1);
}

void Board::dealFields(int length)
{
    growFieldPool(length);
    const int pitch = fieldPitch();
    const int left = layoutmath::half(layoutmath::R(availableWidth() - length * pitch));
    for (int i = 1; i <= length; ++i)
        Feld[i]->move(left + (i - 1) * pitch, Feld.first()->y());
    placeWord(length);
}

// Over the fields of the word in play, so that a screen reader's review and
// the focus ring find the word where it stands.
void Board::placeWord(int length)
{
    QRect area;
    for (int i = 1; i <= length && i < Feld.size(); ++i)
        area |= Feld[i]->geometry();
    word_->setGeometry(area);
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
