#pragma once

#include "shell/message_catalog.h"

#include <QDialog>
#include <QHash>

#include <functional>

class QLabel;
class QPushButton;

namespace lexaro {

class SoundPlayer;

enum class ButtonLayout
{
    Ok,
    YesNo
};
enum class MessageAnswer
{
    Ok,
    Yes,
    No
};

// One message box form: a stack of hidden message pictures over a strip of buttons. Each
// showing uses a fresh form, so no picture of an earlier message can remain visible.
class MessageBoxForm : public QDialog
{
    Q_OBJECT

public:
    explicit MessageBoxForm(const MessageBoxFormInfo& form, QWidget* parent = nullptr);

    // Makes exactly this picture visible; false if the form has no such picture.
    bool showPicture(QStringView controlName);
    QString visiblePicture() const;
    void setButtonLayout(ButtonLayout layout);
    // Replaces what Yes does (by default it closes the box, answering Yes).
    void setYesAction(std::function<void(MessageBoxForm&)> action);
    MessageAnswer answer() const { return m_answer; }

    void OkCommandbutton_Click();
    void YesCommandbutton_Click();
    void NoCommandbutton_Click();
    // Closes the box with the given answer; the only way it closes.
    void finish(MessageAnswer answer);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    bool Form_KeyDown(int key);
    QPushButton* makeButton(const QString& name, const QString& caption, int left,
                            const QString& tooltip);

    QHash<QString, QLabel*> m_pictures;
    QPushButton* m_ok = nullptr;
    QPushButton* m_yes = nullptr;
    QPushButton* m_no = nullptr;
    std::function<void(MessageBoxForm&)> m_yesAction;
    MessageAnswer m_answer = MessageAnswer::Ok;
    bool m_finishing = false;
};

struct MessageRequest
{
    MessageBoxFormInfo form;
    QString picture;
    Sound sound = Sound::None;
    ButtonLayout layout = ButtonLayout::Ok;
};

// Gives one message: a fresh form with only the chosen picture, the sound started before
// the window shows, then modal until the user closes it.
MessageAnswer ShowMessageBox(const MessageRequest& request, SoundPlayer& sound,
                             QWidget* parent = nullptr);

// The usual case: the picture's own sound from the catalogue.
MessageAnswer showMessage(MessageBoxKind kind, QStringView picture, SoundPlayer& sound,
                          std::optional<DictionaryId> dictionary = std::nullopt,
                          ButtonLayout layout = ButtonLayout::Ok, QWidget* parent = nullptr);

} // namespace lexaro
