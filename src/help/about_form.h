#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace lexaro {

class AccessKeyFilter;
class ClickableText;
class KeyboardMap;
class ShellOpener;
class SystemIdentity;

// Who made the program and for whom it is registered, with the maker's two addresses. Shown
// modally; Ok, Enter (with any modifiers), Alt+O and the close box close it.
class AboutForm : public QDialog
{
    Q_OBJECT

public:
    struct Services
    {
        const SystemIdentity& identity;
        ShellOpener& shell;
        const KeyboardMap& keys;
    };

    explicit AboutForm(const Services& services, QWidget* parent = nullptr);

    // The caption of any of its labels, the two addresses included.
    QString caption(const QString& labelName) const;

    void OkCommandbutton_Click();
    void WeblogLabel_Click();
    void WebsiteLabel_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    bool Form_KeyDown(int key);
    QLabel* addLabel(const QString& name, int top);
    ClickableText* addAddress(const QString& name, int top);

    Services m_services;
    ClickableText* m_weblog = nullptr;
    ClickableText* m_website = nullptr;
    QPushButton* m_ok = nullptr;
    AccessKeyFilter* m_accessKeys = nullptr;
};

} // namespace lexaro
