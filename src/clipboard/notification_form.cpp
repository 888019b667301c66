#include "clipboard/notification_form.h"

#include "translation/base_form_lookup.h"

#include "clock/clock.h"
#include "platform/keyboard_layout_switcher.h"
#include "platform/window_stacking.h"
#include "platform/work_area.h"
#include "store/dictionary_catalog.h"
#include "store/dictionary_store.h"
#include "store/word_lookup.h"
#include "translation/not_found_text.h"
#include "ui/artwork.h"
#include "ui/clickable_image.h"
#include "ui/fonts.h"
#include "ui/form_layout.h"
#include "ui/product.h"
#include "ui/sounds.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextOption>

namespace lexaro {

namespace {

constexpr QSize ClientSize{523, 304}; // 7845 x 4560 twips

// Light text on the dark field, with no frame: the fields blend into the background.
void makeDark(QWidget& field)
{
    QPalette palette = field.palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window})
        palette.setColor(role, QColor(32, 32, 32));
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText})
        palette.setColor(role, QColor(240, 240, 240));
    field.setPalette(palette);
    field.setAutoFillBackground(true);
}

// The scroll bar in the same dark greys: a darker groove, a handle a little lighter than
// the field, and light arrows.
void makeDark(QScrollBar& bar)
{
    QPalette palette = bar.palette();
    const auto set = [&palette](QPalette::ColorRole role, int grey) {
        palette.setColor(role, QColor(grey, grey, grey));
    };
    set(QPalette::Window, 24);
    set(QPalette::Base, 24);
    set(QPalette::Button, 64);
    set(QPalette::Light, 88);
    set(QPalette::Midlight, 76);
    set(QPalette::Mid, 48);
    set(QPalette::Dark, 40);
    set(QPalette::Shadow, 16);
    set(QPalette::ButtonText, 200);
    set(QPalette::WindowText, 200);
    bar.setPalette(palette);
}

QLabel* addLabel(QWidget* parent, const QString& name, QRect geometry)
{
    QLabel* label = addDarkLabel(parent, name, geometry, 8.25);
    label->setFont(Fonts::tahoma());
    return label;
}

bool isArabic(const QString& caption)
{
    return caption == DictionaryCatalog::entry(DictionaryId::Arabic).displayName;
}

bool isArabic(std::optional<DictionaryId> dictionary)
{
    return dictionary == DictionaryId::Arabic;
}

} // namespace

NotificationForm::NotificationForm(const Services& services, std::optional<DictionaryId> dictionary)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), m_services(services)
{
    setObjectName(QStringLiteral("NotificationForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    // It comes up while the user types elsewhere: it never takes the keyboard by itself,
    // only when the user clicks into it.
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Never seen on its frameless window; named for screen readers and window lists.
    setWindowTitle(Product::name() + QStringLiteral(" notification"));
    setFixedSize(ClientSize);
    setFont(Fonts::tahoma());
    setWindowIcon(Artwork::windowIcon());

    auto* background = new QLabel(this);
    background->setObjectName(QStringLiteral("BackgroundImage"));
    background->setGeometry(QRect(QPoint(0, 0), ClientSize));
    background->setPixmap(Artwork::picture(QStringLiteral(":/notification.svg"), ClientSize));

    m_backImage =
        new ClickableImage(QStringLiteral("BackImage"), QStringLiteral("Shourtcut key: Escape"),
                           Artwork::pointer(), this);
    m_backImage->setGeometry(twips(7440, 220, 270, 240));
    m_backImage->setPixmap(
        Artwork::picture(QStringLiteral(":/back_arrow.svg"), m_backImage->size()));
    m_backImage->setAccessibleName(QStringLiteral("Close"));
    connect(m_backImage, &ClickableImage::clicked, this, &NotificationForm::BackImage_Click);

    m_dictionaryNameLabel =
        addLabel(this, QStringLiteral("DictionarynameLabel"), twips(240, 1080, 7335, 255));
    addLabel(this, QStringLiteral("ThewordsearchedLabel"), twips(240, 1440, 7335, 255))
        ->setText(QStringLiteral("The word searched:"));

    m_wordText = new QLineEdit(this);
    m_wordText->setObjectName(QStringLiteral("ThewordsearchedText"));
    m_wordText->setAccessibleName(QStringLiteral("The word searched"));
    m_wordText->setGeometry(twips(240, 1800, 7335, 255));
    m_wordText->setReadOnly(true);
    m_wordText->setFrame(false);
    makeDark(*m_wordText);

    addLabel(this, QStringLiteral("TranslationLabel"), twips(240, 2160, 7335, 255))
        ->setText(QStringLiteral("Translation:"));

    m_translationText = new QPlainTextEdit(this);
    m_translationText->setObjectName(QStringLiteral("TranslationText"));
    m_translationText->setAccessibleName(QStringLiteral("Translation"));
    m_translationText->setGeometry(twips(240, 2520, 7335, 1815));
    m_translationText->setReadOnly(true);
    m_translationText->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                               Qt::TextSelectableByKeyboard);
    m_translationText->setFrameShape(QFrame::NoFrame);
    m_translationText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_translationText->setTabChangesFocus(true);
    m_translationText->setLayoutDirection(Qt::RightToLeft);
    QFont translationFont = Fonts::translation();
    translationFont.setBold(false);
    m_translationText->setFont(translationFont);
    QTextOption option = m_translationText->document()->defaultTextOption();
    option.setAlignment(Qt::AlignRight);
    option.setTextDirection(Qt::RightToLeft);
    m_translationText->document()->setDefaultTextOption(option);
    makeDark(*m_translationText);
    makeDark(*m_translationText->viewport());
    makeDark(*m_translationText->verticalScrollBar());

    // The countdown's store: below the client area, never seen.
    m_timerLabel = addLabel(this, QStringLiteral("TimerLabel"), twips(720, 9360, 375, 375));
    m_timerLabel->setText(QStringLiteral("40"));
    m_timerLabel->hide();

    setTabOrder(m_wordText, m_translationText);
    setTabOrder(m_translationText, m_backImage);
    for (QWidget* control :
         {static_cast<QWidget*>(m_wordText), static_cast<QWidget*>(m_translationText),
          static_cast<QWidget*>(m_backImage)})
        control->installEventFilter(this);
    connect(m_wordText, &QLineEdit::textChanged, this,
            &NotificationForm::ThewordsearchedText_Change);

    m_timer = m_services.clock.makeTimer(std::chrono::milliseconds(500), [this] { Timer_Timer(); });

    Form_Load(dictionary);
}

NotificationForm::~NotificationForm() = default;

void NotificationForm::Form_Load(std::optional<DictionaryId> dictionary)
{
    m_services.stacking.setTopMost(this, true);
    // Panels list a tool window unless told otherwise.
    m_services.stacking.keepOutOfTaskbar(this);
    // The corner of the work area: beside a panel on the bottom or the right edge, and in
    // the screen's corner, clear of the panel, when it stands on the top or the left edge.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = m_services.workArea.of(*screen);
        move(area.x() + area.width() - width(), area.y() + area.height() - height());
    }
    // Absolute: the side follows the dictionary, not the script of the word shown.
    m_wordText->setAlignment(Qt::AlignAbsolute | Qt::AlignVCenter |
                             (isArabic(dictionary) ? Qt::AlignRight : Qt::AlignLeft));
    // First in line once the user activates the pop-up; until then no field has the focus
    // and no keyboard layout changes.
    m_wordText->setFocus(Qt::OtherFocusReason);
    // Counted from the load, not from the showing.
    m_timer->start();
}

void NotificationForm::setWord(const QString& word, std::optional<DictionaryId> dictionary)
{
    m_wordDictionary = dictionary;
    m_wordText->setText(word);
}

void NotificationForm::showPopUp()
{
    if (isVisible())
        return; // where it is, with its countdown going on
    show();
}

void NotificationForm::ThewordsearchedText_Change()
{
    const QString word = m_wordText->text();
    if (word.isEmpty()) {
        m_translationText->clear();
        return;
    }
    const std::optional<DictionaryId> id = m_wordDictionary;
    if (!id)
        return;
    m_dictionaryNameLabel->setText(DictionaryCatalog::entry(*id).displayName);
    m_translationText->setPlainText(
        translationBoxText(*id, m_services.store.recordset(*id), word, m_services.baseForms));
    playSound(m_services.sound, Sound::Notification);
}

void NotificationForm::Timer_Timer()
{
    const int left = m_timerLabel->text().toInt();
    if (left > 0) {
        m_timerLabel->setText(QString::number(left - 1));
        return;
    }
    m_timer->stop();
    close();
}

void NotificationForm::BackImage_Click()
{
    close();
}

bool NotificationForm::Form_KeyDown(int key)
{
    if (key != Qt::Key_Escape)
        return false;
    BackImage_Click();
    return true;
}

void NotificationForm::ThewordsearchedText_GotFocus()
{
    m_services.keyboard.activate(QString::fromUtf16(
        isArabic(m_dictionaryNameLabel->text()) ? PersianLayout : UsEnglishLayout));
}

void NotificationForm::TranslationText_GotFocus()
{
    m_services.keyboard.activate(QString::fromUtf16(PersianLayout));
}

void NotificationForm::keyPressEvent(QKeyEvent* event)
{
    if (!Form_KeyDown(event->key()))
        QWidget::keyPressEvent(event);
}

bool NotificationForm::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        // Key preview: Escape closes the pop-up from whichever control has the focus.
        if (Form_KeyDown(static_cast<QKeyEvent*>(event)->key()))
            return true;
        break;
    case QEvent::FocusIn:
        if (watched == m_wordText)
            ThewordsearchedText_GotFocus();
        else if (watched == m_translationText)
            TranslationText_GotFocus();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lexaro
