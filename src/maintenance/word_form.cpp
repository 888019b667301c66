#include "maintenance/word_form.h"

#include "platform/keyboard_layout_switcher.h"
#include "store/word_limits.h"
#include "ui/access_keys.h"
#include "ui/artwork.h"
#include "ui/fonts.h"
#include "ui/screen_placement.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextOption>
#include <QValidator>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

constexpr QSize ClientSize{465, 409};
constexpr QSize BannerSize{465, 57};

// The dark banner at the top with the window's caption in light letters.
QPixmap drawBanner(const QString& caption)
{
    QPixmap pixmap(BannerSize);
    pixmap.fill(QColor(32, 32, 32));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(90, 90, 90));
    p.drawLine(0, BannerSize.height() - 1, BannerSize.width(), BannerSize.height() - 1);
    QFont font = Fonts::calibri(12);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(235, 235, 235));
    p.drawText(QRect(QPoint(16, 0), BannerSize - QSize(32, 0)), Qt::AlignLeft | Qt::AlignVCenter,
               caption);
    return pixmap;
}

QLabel* addLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QPushButton* addButton(QWidget* parent, const QString& name, const QString& caption, int left,
                       const QString& tooltip)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(left, 376, 81, 25);
    button->setToolTip(tooltip);
    button->setAutoDefault(false);
    return button;
}

// The word field is one line, as a headword is: a line break pasted or dropped into it
// becomes one space between the words it parted, and nothing at either end.
class OneLineValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        QString line;
        line.reserve(input.size());
        int newPos = pos;
        bool pendingBreak = false;
        for (qsizetype i = 0; i < input.size(); ++i) {
            if (isLineBreak(input.at(i))) {
                pendingBreak = !line.isEmpty();
                if (i < pos)
                    --newPos;
                continue;
            }
            if (pendingBreak) {
                line += u' ';
                if (i <= pos)
                    ++newPos;
                pendingBreak = false;
            }
            line += input.at(i);
        }
        input = line;
        pos = int(qBound(qsizetype(0), qsizetype(newPos), line.size()));
        return Acceptable;
    }

private:
    static bool isLineBreak(QChar c)
    {
        switch (c.unicode()) {
        case u'\n':
        case u'\r':
        case u'\v':
        case u'\f':
        case 0x0085: // NEXT LINE
        case 0x2028: // LINE SEPARATOR
        case 0x2029: // PARAGRAPH SEPARATOR
            return true;
        default:
            return false;
        }
    }
};

// How a stored text ends its lines: its first line break, a line feed when it has none.
QString lineBreakOf(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n')
            break;
        if (text.at(i) == u'\r')
            return text.mid(i, 2) == u"\r\n" ? QStringLiteral("\r\n") : QStringLiteral("\r");
    }
    return QStringLiteral("\n");
}

} // namespace

WordForm::WordForm(Purpose purpose, const DictionaryEntry& dictionary,
                   KeyboardLayoutSwitcher& keyboard, const KeyboardMap& keys, QWidget* parent)
    : QDialog(parent), m_purpose(purpose), m_dictionary(dictionary), m_keyboard(keyboard),
      m_accessKeys(new AccessKeyFilter(*this, keys))
{
    const bool adding = purpose == Purpose::AddWord;
    const WordWindowLook look = adding ? dictionary.addWindowLook() : dictionary.editWindowLook();
    setObjectName(adding ? dictionary.addWordFormName() : dictionary.editWordFormName());
    setWindowTitle(designedCaption());
    // A title bar with a close box only; the dialog border also keeps it out of the taskbar.
    setWindowFlags((look.dialogBorder ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientSize);
    setFont(Fonts::tahoma());
    setWindowIcon(Artwork::windowIcon());
    setModal(true);

    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("BannerImage"));
    banner->setGeometry(QRect(QPoint(0, 0), BannerSize));
    banner->setPixmap(drawBanner(designedCaption()));
    banner->setAccessibleName(designedCaption());

    addLabel(this, QStringLiteral("WordLabel"), QStringLiteral("Word:"), {8, 64, 449, 17});
    m_wordText = new QLineEdit(this);
    m_wordText->setObjectName(QStringLiteral("WordText"));
    m_wordText->setAccessibleName(QStringLiteral("Word"));
    m_wordText->setGeometry(8, 88, 449, 19);
    m_wordText->setReadOnly(!adding);
    if (adding)
        m_wordText->setValidator(new OneLineValidator(m_wordText));
    m_wordText->setMaxLength(int(WordLimits::MaxWordLength));
    const bool rightToLeft = dictionary.headwordReadingOrder() == ReadingOrder::RightToLeft;
    m_wordText->setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    m_wordText->setAlignment(Qt::AlignAbsolute | Qt::AlignVCenter |
                             (rightToLeft ? Qt::AlignRight : Qt::AlignLeft));

    addLabel(this, QStringLiteral("TranslationLabel"), QStringLiteral("Translation:"),
             {8, 112, 449, 17});
    m_translationText = new QPlainTextEdit(this);
    m_translationText->setObjectName(QStringLiteral("TranslationText"));
    m_translationText->setAccessibleName(QStringLiteral("Translation"));
    m_translationText->setGeometry(8, 136, 449, 235);
    m_translationText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_translationText->setLayoutDirection(Qt::RightToLeft);
    m_translationText->setTabChangesFocus(true);
    QFont translationFont = Fonts::translation();
    translationFont.setPointSizeF(look.translationPointSize);
    translationFont.setBold(look.translationBold);
    m_translationText->setFont(translationFont);
    QTextOption option = m_translationText->document()->defaultTextOption();
    option.setAlignment(Qt::AlignRight);
    option.setTextDirection(Qt::RightToLeft);
    m_translationText->document()->setDefaultTextOption(option);
    // The field takes at most what the dictionary stores: a longer paste is cut to fit.
    connect(m_translationText, &QPlainTextEdit::textChanged, this, [this] {
        const QString text = m_translationText->toPlainText();
        if (WordLimits::translationFits(text))
            return;
        m_translationText->setPlainText(
            WordLimits::cutToFit(text, WordLimits::MaxTranslationBytes));
        m_translationText->moveCursor(QTextCursor::End);
    });

    QPushButton* save =
        addButton(this, QStringLiteral("SaveCommandbutton"), QStringLiteral("&Save"), 288,
                  QStringLiteral("Shourtcut key: Alt+S"));
    QPushButton* cancel =
        addButton(this, QStringLiteral("CancelCommandbutton"), QStringLiteral("&Cancel"), 376,
                  QStringLiteral("Shourtcut key: Alt+C"));
    // The translation's own text is what Save compares with; an empty one to begin with.
    m_shownTranslation = m_translationText->document()->toRawText();
    connect(save, &QPushButton::clicked, this, [this] { SaveCommandbutton_Click(); });
    connect(cancel, &QPushButton::clicked, this, &WordForm::CancelCommandbutton_Click);

    setTabOrder(m_wordText, m_translationText);
    setTabOrder(m_translationText, save);
    setTabOrder(save, cancel);
    m_wordText->installEventFilter(this);
    m_translationText->installEventFilter(this);
    m_wordText->setFocus();
}

void WordForm::setTranslation(const QString& text)
{
    m_translationText->setPlainText(text);
    m_loadedTranslation = text;
    m_shownTranslation = m_translationText->document()->toRawText();
}

QString WordForm::translation() const
{
    // toPlainText() would turn no-break spaces into spaces and line separators into line
    // feeds, and the field keeps no CR LF: Save would change text the user never touched.
    QString raw = m_translationText->document()->toRawText();
    if (raw == m_shownTranslation)
        return m_loadedTranslation;
    return raw.replace(QChar::ParagraphSeparator, lineBreakOf(m_loadedTranslation));
}

QString WordForm::designedCaption() const
{
    return m_purpose == Purpose::AddWord ? m_dictionary.addWordCaption()
                                         : m_dictionary.editWordCaption();
}

void WordForm::CancelCommandbutton_Click()
{
    // The close box does the same: reject() closes the window and stores nothing.
    reject();
}

void WordForm::Form_Load()
{
    centreOnScreen(*this);
}

void WordForm::WordText_GotFocus()
{
    m_keyboard.activate(m_dictionary.headwordKeyboardLayout());
}

void WordForm::TranslationText_GotFocus()
{
    m_keyboard.activate(QString::fromUtf16(PersianLayout));
}

void WordForm::showEvent(QShowEvent* event)
{
    Form_Load();
    QDialog::showEvent(event);
    m_accessKeys->attach();
}

void WordForm::keyPressEvent(QKeyEvent* event)
{
    // Only Save and Cancel end the window: Escape must not throw away what was typed.
    if (event->key() == Qt::Key_Escape)
        return;
    // Enter on a focused button presses it (the buttons pass it on: none is a default).
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

bool WordForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_wordText)
            WordText_GotFocus();
        else if (watched == m_translationText)
            TranslationText_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace lexaro
