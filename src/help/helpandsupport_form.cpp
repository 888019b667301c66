#include "help/helpandsupport_form.h"

#include "help/help_artwork.h"
#include "help/help_menu.h"
#include "platform/shell_opener.h"
#include "ui/artwork.h"
#include "ui/clickable_text.h"
#include "ui/fonts.h"
#include "ui/form_layout.h"
#include "ui/message_service.h"
#include "ui/program_files.h"
#include "ui/screen_placement.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

constexpr QSize ClientSize{697, 497};

// Light text on the panel's dark grey.
void paintDark(QWidget* widget)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(32, 32, 32));
    palette.setColor(QPalette::WindowText, QColor(240, 240, 240)); // the button-face grey
    widget->setPalette(palette);
}

QLabel* addComment(QWidget* parent, const QString& name, int top, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(twips(3720, top, 6615, 255));
    label->setAlignment(Qt::AlignCenter);
    label->setLayoutDirection(Qt::RightToLeft);
    return label;
}

} // namespace

HelpandsupportForm::HelpandsupportForm(MessageService& messages, ShellOpener& shell,
                                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_messages(messages), m_shell(shell)
{
    setObjectName(u"HelpandsupportForm"_s);
    setWindowTitle(u"Help and support"_s);
    setFixedSize(ClientSize);
    setFont(Fonts::tahoma());
    setWindowIcon(Artwork::windowIcon());

    auto* header = new QLabel(this);
    header->setObjectName(u"BackgroundImage"_s);
    header->setGeometry(0, 0, 705, 57);
    header->setPixmap(HelpArtwork::picture(u":/help/help_header.svg"_s, header->size()));

    buildMenu();
    buildComments();
    Form_Load();
}

void HelpandsupportForm::buildMenu()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(u"Picture1"_s);
    panel->setGeometry(twips(0, 870, 3615, 6615));
    paintDark(panel);

    const QCursor pointer = Artwork::pointer();
    for (const HelpMenuItem& item : helpMenu()) {
        const QRect geometry = twips(120, item.top, 3375, 255);
        if (!item.isDocument()) {
            // A heading: no pointer, no tooltip, and a click does nothing.
            auto* heading = new QLabel(item.caption, panel);
            heading->setObjectName(item.labelName);
            heading->setGeometry(geometry);
            paintDark(heading);
            if (item.labelName == u"GettoknowlexaroLabel") {
                QFont bold = font();
                bold.setBold(true);
                heading->setFont(bold);
            }
            continue;
        }
        // Created in menu order, so Tab walks the documents from top to bottom.
        auto* label = new ClickableText(item.labelName, item.caption, pointer, panel);
        label->setGeometry(geometry);
        label->setToolTip(item.tooltip);
        paintDark(label);
        connect(label, &ClickableText::clicked, this, [this, &item] { DocumentLabel_Click(item); });
    }
}

void HelpandsupportForm::buildComments()
{
    auto* logo = new QLabel(this);
    logo->setObjectName(u"lexaroImage"_s);
    logo->setGeometry(twips(5910, 2640, 2250, 2250));
    logo->setPixmap(Artwork::picture(u":/lexaro.svg"_s, logo->size()));
    logo->setAccessibleName(u"Orvenda Lexaro"_s);

    addComment(this, u"ComentLabel1"_s, 5040,
               u"\u0627\u06AF\u0631 \u0646\u064A\u0627\u0632 \u0628\u0647 \u06A9\u0645\u06A9 "
               u"\u0648 \u0631\u0627\u0647\u0646\u0645\u0627\u064A\u064A \u062F\u0627\u0631"
               u"\u064A\u062F \u0646\u06AF\u0631\u0627\u0646 \u0646\u0628\u0627\u0634\u064A"
               u"\u062F."_s);
    addComment(this, u"ComentLabel2"_s, 5400,
               u"\u0645\u064A \u062A\u0648\u0627\u0646\u064A\u062F \u0627\u0632 \u0645\u0646"
               u"\u0648\u064A \u0633\u0645\u062A \u0686\u067E \u062A\u0645\u0627\u0645\u064A "
               u"\u0645\u0634\u06A9\u0644\u0627\u062A \u062E\u0648\u062F \u0631\u0627 \u062D"
               u"\u0644 \u0646\u0645\u0627\u064A\u064A\u062F."_s);
}

void HelpandsupportForm::Form_Load()
{
    centreOnScreen(*this);
}

void HelpandsupportForm::DocumentLabel_Click(const HelpMenuItem& item)
{
    if (!item.missing) // not a document
        return;
    const QString path = programFile(item.file);
    // Only a file counts: a folder of that name, or nothing at all, is a missing document.
    if (!QFileInfo(path).isFile()) {
        m_messages.show(Message::help(*item.missing));
        return;
    }
    // Whatever the file holds, the viewer is the judge of it.
    m_documentPath = path;
    m_shell.open(m_documentPath);
}

void HelpandsupportForm::keyPressEvent(QKeyEvent* event)
{
    // Only the close box closes the window.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

} // namespace lexaro
