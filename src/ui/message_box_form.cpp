#include "ui/message_box_form.h"

#include "platform/window_stacking.h"
#include "ui/access_keys.h"
#include "ui/fonts.h"
#include "ui/screen_placement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace lexaro {

namespace {

constexpr QSize ClientSize{449, 185};
constexpr int ButtonTop = 152;
constexpr QSize ButtonSize{81, 25};

} // namespace

MessageBoxForm::MessageBoxForm(const MessageBoxFormInfo& form, SoundPlayer& sound,
                               const KeyboardMap& keys, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_kind(form.kind), m_sound(sound),
      m_accessKeys(new AccessKeyFilter(*this, keys))
{
    setObjectName(form.name);
    setFixedSize(ClientSize);
    setModal(true);

    const bool splash = form.kind == MessageBoxKind::Splash;
    for (const MessagePictureInfo& info : MessageCatalog::pictures(form.kind)) {
        auto* label = new QLabel(this);
        label->setObjectName(info.controlName);
        label->setGeometry(QRect(QPoint(0, 0), MessagePictureSize));
        label->setPixmap(drawMessagePicture(info.text, info.icon));
        label->setAccessibleName(info.text);
        label->setVisible(splash);
        m_pictures.append(label);
        if (splash)
            announce(info.text);
    }

    m_ok = makeButton(QStringLiteral("OkCommandbutton"), QStringLiteral("&Ok"), 360,
                      QStringLiteral("Shourtcut key: Enter or Alt+O"));
    connect(m_ok, &QPushButton::clicked, this, &MessageBoxForm::OkCommandbutton_Click);
    if (form.kind == MessageBoxKind::Main) {
        m_yes = makeButton(QStringLiteral("YesCommandbutton"), QStringLiteral("&Yes"), 272,
                           QStringLiteral("Shourtcut key: Enter or Alt+Y"));
        m_no = makeButton(QStringLiteral("NoCommandbutton"), QStringLiteral("&No"), 360,
                          QStringLiteral("Shourtcut key: Enter or Alt+N"));
        connect(m_yes, &QPushButton::clicked, this, &MessageBoxForm::YesCommandbutton_Click);
        connect(m_no, &QPushButton::clicked, this, &MessageBoxForm::NoCommandbutton_Click);
        m_ok->hide();
        m_yes->hide();
        m_no->hide();
        setTabOrder(m_ok, m_yes);
        setTabOrder(m_yes, m_no);
    }
}

QPushButton* MessageBoxForm::makeButton(const QString& name, const QString& caption, int left,
                                        const QString& tooltip)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setGeometry(QRect(QPoint(left, ButtonTop), ButtonSize));
    button->setToolTip(tooltip);
    button->setFont(Fonts::tahoma());
    button->setAutoDefault(false);
    button->installEventFilter(this);
    return button;
}

void MessageBoxForm::showPicture(const Message& message)
{
    if (message.kind() != m_kind)
        return;
    for (int i = 0; i < m_pictures.size(); ++i)
        m_pictures[i]->setVisible(i == message.pictureIndex());
    announce(message.picture().text);
}

void MessageBoxForm::announce(const QString& line)
{
    // The picture's line is the message: a screen reader reads the box by it, as it reads a
    // dialog's title and text.
    setAccessibleName(line);
    setAccessibleDescription(line);
}

QString MessageBoxForm::visiblePicture() const
{
    for (const QLabel* label : m_pictures) {
        if (!label->isHidden())
            return label->objectName();
    }
    return {};
}

void MessageBoxForm::setButtonLayout(ButtonLayout layout)
{
    if (!m_yes)
        return; // only the main window's box has two layouts
    m_ok->setVisible(layout == ButtonLayout::Ok);
    m_yes->setVisible(layout == ButtonLayout::YesNo);
    m_no->setVisible(layout == ButtonLayout::YesNo);
    (layout == ButtonLayout::Ok ? m_ok : m_yes)->setFocus();
}

void MessageBoxForm::change(const Message& message, ButtonLayout layout)
{
    showPicture(message);
    setButtonLayout(layout);
    playSound(m_sound, message.picture().sound);
}

void MessageBoxForm::OkCommandbutton_Click()
{
    // After Yes turned the box into its result, Ok only closes it: the answer stays Yes.
    finish(m_answer == MessageAnswer::Yes ? MessageAnswer::Yes : MessageAnswer::Ok);
}

void MessageBoxForm::NoCommandbutton_Click()
{
    finish(MessageAnswer::No);
}

void MessageBoxForm::YesCommandbutton_Click()
{
    m_answer = MessageAnswer::Yes;
    if (m_yesAction)
        m_yesAction(*this);
    else
        finish(MessageAnswer::Yes);
}

void MessageBoxForm::finish(MessageAnswer answer)
{
    m_answer = answer;
    m_finishing = true;
    done(answer == MessageAnswer::No ? QDialog::Rejected : QDialog::Accepted);
}

void MessageBoxForm::Form_Load()
{
    centreOnScreen(*this);
}

bool MessageBoxForm::Form_KeyDown(int key)
{
    // Enter always means Ok, whichever button has the focus: in the Yes/No layout it closes
    // the box without deleting anything.
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        OkCommandbutton_Click();
        return true;
    }
    return key == Qt::Key_Escape; // Escape must not close the box
}

void MessageBoxForm::showEvent(QShowEvent* event)
{
    Form_Load();
    QDialog::showEvent(event);
    m_accessKeys->attach();
}

void MessageBoxForm::closeEvent(QCloseEvent* event)
{
    // No close box: only the buttons and Enter close a message box.
    if (!m_finishing)
        event->ignore();
}

bool MessageBoxForm::eventFilter(QObject* watched, QEvent* event)
{
    // The form sees every key before the focused button does.
    if (event->type() == QEvent::KeyPress && Form_KeyDown(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void MessageBoxForm::keyPressEvent(QKeyEvent* event)
{
    if (!Form_KeyDown(event->key()))
        QDialog::keyPressEvent(event);
}

void MessageBoxForm::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The thin border a fixed dialog border draws, so the box stands out on a light desktop.
    QPainter painter(this);
    painter.setPen(QColor(96, 96, 96));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

MessageAnswer ShowMessageBox(const Message& message, ButtonLayout layout, SoundPlayer& sound,
                             const KeyboardMap& keys, const YesAction& yesAction, QWidget* parent,
                             WindowStacking* stacking)
{
    MessageBoxForm form(message.form(), sound, keys, parent);
    if (stacking)
        stacking->keepOutOfTaskbar(&form);
    form.showPicture(message);
    form.setButtonLayout(layout);
    form.setYesAction(yesAction);
    playSound(sound, message.picture().sound);
    form.exec();
    return form.answer();
}

} // namespace lexaro
