#pragma once

#include "ui/message_service.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;

namespace lexaro {

class AccessKeyFilter;
class KeyboardMap;
class SoundPlayer;
class WindowStacking;

// One message box form: a stack of hidden message pictures over a strip of buttons. Each
// showing uses a fresh form, so no picture of an earlier message can remain visible.
class MessageBoxForm : public QDialog, public OpenMessageBox
{
    Q_OBJECT

public:
    MessageBoxForm(const MessageBoxFormInfo& form, SoundPlayer& sound, const KeyboardMap& keys,
                   QWidget* parent = nullptr);

    // Makes exactly this picture of the form visible.
    void showPicture(const Message& message);
    QString visiblePicture() const;
    void setButtonLayout(ButtonLayout layout);
    void setYesAction(YesAction action) { m_yesAction = std::move(action); }
    MessageAnswer answer() const { return m_answer; }

    // The picture, the buttons and the message's sound, while the box stays open.
    void change(const Message& message, ButtonLayout layout) override;

    void OkCommandbutton_Click();
    void YesCommandbutton_Click();
    void NoCommandbutton_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    bool Form_KeyDown(int key);
    void announce(const QString& line);
    void finish(MessageAnswer answer);
    QPushButton* makeButton(const QString& name, const QString& caption, int left,
                            const QString& tooltip);

    MessageBoxKind m_kind;
    SoundPlayer& m_sound;
    QList<QLabel*> m_pictures; // in the order of the form's picture enumeration
    QPushButton* m_ok = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
    AccessKeyFilter* m_accessKeys = nullptr;
    YesAction m_yesAction;
    MessageAnswer m_answer = MessageAnswer::None;
    bool m_finishing = false;
};

// Gives one message: a fresh form with only the chosen picture, the sound started before
// the window shows, then modal until the user closes it. With a stacking service the box
// stays out of the taskbar, as it belongs to the program's window.
MessageAnswer ShowMessageBox(const Message& message, ButtonLayout layout, SoundPlayer& sound,
                             const KeyboardMap& keys, const YesAction& yesAction = {},
                             QWidget* parent = nullptr, WindowStacking* stacking = nullptr);

} // namespace lexaro
