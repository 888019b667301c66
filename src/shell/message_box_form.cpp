#include "shell/message_box_form.h"

#include "shell/fonts.h"
#include "shell/screen_placement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace lexaro {

namespace {

constexpr QSize ClientSize{449, 185};
constexpr int ButtonTop = 152;
constexpr QSize ButtonSize{81, 25};

} // namespace

MessageBoxForm::MessageBoxForm(const MessageBoxFormInfo& form, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
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
        m_pictures.insert(info.controlName, label);
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

bool MessageBoxForm::showPicture(QStringView controlName)
{
    QLabel* chosen = m_pictures.value(controlName.toString());
    if (!chosen)
        return false;
    for (QLabel* label : std::as_const(m_pictures))
        label->setVisible(label == chosen);
    return true;
}

QString MessageBoxForm::visiblePicture() const
{
    for (auto it = m_pictures.cbegin(); it != m_pictures.cend(); ++it) {
        if (!it.value()->isHidden())
            return it.key();
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
}

void MessageBoxForm::setYesAction(std::function<void(MessageBoxForm&)> action)
{
    m_yesAction = std::move(action);
}

void MessageBoxForm::OkCommandbutton_Click()
{
    finish(MessageAnswer::Ok);
}

void MessageBoxForm::NoCommandbutton_Click()
{
    finish(MessageAnswer::No);
}

void MessageBoxForm::YesCommandbutton_Click()
{
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

MessageAnswer ShowMessageBox(const MessageRequest& request, SoundPlayer& sound, QWidget* parent)
{
    MessageBoxForm form(request.form, parent);
    form.showPicture(request.picture);
    form.setButtonLayout(request.layout);
    playSound(sound, request.sound);
    form.exec();
    return form.answer();
}

MessageAnswer showMessage(MessageBoxKind kind, QStringView picture, SoundPlayer& sound,
                          std::optional<DictionaryId> dictionary, ButtonLayout layout,
                          QWidget* parent)
{
    const std::optional<MessagePictureInfo> info = MessageCatalog::picture(kind, picture);
    return ShowMessageBox({MessageCatalog::form(kind, dictionary), picture.toString(),
                           info ? info->sound : Sound::None, layout},
                          sound, parent);
}

} // namespace lexaro
