#pragma once

#include <QDialog>

namespace lexaro {

class MessageService;
class ShellOpener;
struct HelpMenuItem;

// The help menu: a click on a document opens it in the desktop's viewer, or tells which
// document is missing. Shown modally; its close box closes it.
class HelpandsupportForm : public QDialog
{
    Q_OBJECT

public:
    HelpandsupportForm(MessageService& messages, ShellOpener& shell, QWidget* parent = nullptr);

    // The last document opened: its full path.
    const QString& documentPath() const { return m_documentPath; }

    void DocumentLabel_Click(const HelpMenuItem& item);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void buildMenu();
    void buildComments();

    MessageService& m_messages;
    ShellOpener& m_shell;
    QString m_documentPath;
};

} // namespace lexaro
