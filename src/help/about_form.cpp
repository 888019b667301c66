#include "help/about_form.h"

#include "help/help_artwork.h"
#include "platform/shell_opener.h"
#include "platform/system_identity.h"
#include "ui/access_keys.h"
#include "ui/artwork.h"
#include "ui/clickable_text.h"
#include "ui/fonts.h"
#include "ui/form_layout.h"
#include "ui/product.h"
#include "ui/screen_placement.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

constexpr QSize ClientSize{424, 409};
// Every label starts at the same left edge, right of the strip, and has the same size.
constexpr int LabelLeft = 1080;
constexpr int LabelWidth = 5175;
constexpr int LabelHeight = 255;
constexpr int WarningTop = 3840;
constexpr int WarningHeight = 855;
constexpr int CompanyTop = 5160;

// The warning's box holds four lines of Tahoma; the faces that stand in for it where it is
// not installed are wider and need a fifth. The box then grows into the empty space above
// the company line rather than cut off the warning's last line.
void fitWarning(QLabel& warning)
{
    const int designed = twips(0, 0, 0, WarningHeight).height();
    const int room = twips(0, 0, 0, CompanyTop - WarningTop).height();
    const int needed = warning.heightForWidth(warning.width());
    warning.resize(warning.width(), std::clamp(needed, designed, room));
}

} // namespace

AboutForm::AboutForm(const Services& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_services(services), m_accessKeys(new AccessKeyFilter(*this, services.keys))
{
    setObjectName(u"AboutForm"_s);
    setWindowTitle(u"About "_s + Product::name());
    setFixedSize(ClientSize);
    setFont(Fonts::tahoma());
    setWindowIcon(Artwork::windowIcon());

    auto* strip = new QLabel(this);
    strip->setObjectName(u"BackgroundImage"_s);
    strip->setGeometry(0, 0, 65, 369);
    strip->setPixmap(HelpArtwork::picture(u":/help/about_strip.svg"_s, strip->size()));

    QFont bold = font();
    bold.setBold(true);
    addLabel(u"ProductnameLabel"_s, 120)->setFont(bold);
    addLabel(u"VersionLabel"_s, 360);
    addLabel(u"LastupdateLabel"_s, 600);
    addLabel(u"CopyrightLabel"_s, 840);
    addLabel(u"TrademarksLabel"_s, 1080);
    addLabel(u"ForthelatestproductinformationvisitusatLabel"_s, 1560);
    m_weblog = addAddress(u"WeblogLabel"_s, 1800);
    m_website = addAddress(u"WebsiteLabel"_s, 2040);
    addLabel(u"RegisteredtoLabel"_s, 2520);
    addLabel(u"UsernameLabel"_s, 2760);
    addLabel(u"ComputernameLabel"_s, 3000);
    QLabel* warning = addLabel(u"LblWarning"_s, 3840);
    warning->setGeometry(twips(LabelLeft, WarningTop, LabelWidth, WarningHeight));
    warning->setWordWrap(true);
    warning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QLabel* company = addLabel(u"CompanynameLabel"_s, CompanyTop);
    company->setGeometry(twips(1680, CompanyTop, 4575, LabelHeight));
    company->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_ok = new QPushButton(u"&Ok"_s, this);
    m_ok->setObjectName(u"OkCommandbutton"_s);
    m_ok->setGeometry(twips(5040, 5640, 1215, 375));
    m_ok->setToolTip(u"Shourtcut key: Enter or Alt+O"_s);
    m_ok->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, &AboutForm::OkCommandbutton_Click);
    connect(m_weblog, &ClickableText::clicked, this, &AboutForm::WeblogLabel_Click);
    connect(m_website, &ClickableText::clicked, this, &AboutForm::WebsiteLabel_Click);
    // The window's key rule sees Enter before the focused control does.
    for (QWidget* control : {static_cast<QWidget*>(m_ok), static_cast<QWidget*>(m_weblog),
                             static_cast<QWidget*>(m_website)})
        control->installEventFilter(this);
    // Ok first: it has the focus when the window opens; Tab then reaches the addresses.
    setTabOrder(m_ok, m_weblog);
    setTabOrder(m_weblog, m_website);
    m_ok->setFocus();

    Form_Load();
}

QLabel* AboutForm::addLabel(const QString& name, int top)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(twips(LabelLeft, top, LabelWidth, LabelHeight));
    return label;
}

ClickableText* AboutForm::addAddress(const QString& name, int top)
{
    auto* address = new ClickableText(name, QString(), Artwork::pointer(), this);
    address->setGeometry(twips(LabelLeft, top, LabelWidth, LabelHeight));
    QPalette palette = address->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    address->setPalette(palette);
    return address;
}

void AboutForm::Form_Load()
{
    centreOnScreen(*this);
    const auto set = [this](const QString& name, const QString& text) {
        if (auto* label = findChild<QLabel*>(name))
            label->setText(text);
    };
    set(u"ProductnameLabel"_s, Product::name());
    set(u"VersionLabel"_s, Product::versionLine());
    set(u"LastupdateLabel"_s, Product::lastUpdateLine());
    set(u"CopyrightLabel"_s, Product::copyright());
    set(u"TrademarksLabel"_s, Product::trademarks());
    set(u"ForthelatestproductinformationvisitusatLabel"_s,
        u"For the latest product information, visit us at"_s);
    m_weblog->setText(Product::weblogAddress());
    m_weblog->setAccessibleName(Product::weblogAddress());
    m_website->setText(Product::websiteAddress());
    m_website->setAccessibleName(Product::websiteAddress());
    set(u"RegisteredtoLabel"_s, u"Registered to:"_s);
    set(u"UsernameLabel"_s, u"Username: "_s + m_services.identity.userName());
    set(u"ComputernameLabel"_s, u"Computer name: "_s + m_services.identity.computerName());
    set(u"LblWarning"_s, Product::legalWarning());
    if (auto* warning = findChild<QLabel*>(u"LblWarning"_s))
        fitWarning(*warning);
    set(u"CompanynameLabel"_s, u"Powered by "_s + Product::companyName());
}

QString AboutForm::caption(const QString& labelName) const
{
    if (const auto* address = findChild<ClickableText*>(labelName))
        return address->text();
    const auto* label = findChild<QLabel*>(labelName);
    return label ? label->text() : QString();
}

void AboutForm::OkCommandbutton_Click()
{
    accept();
}

void AboutForm::WeblogLabel_Click()
{
    // Exactly what the label shows.
    m_services.shell.open(m_weblog->text());
}

void AboutForm::WebsiteLabel_Click()
{
    m_services.shell.open(m_website->text());
}

bool AboutForm::Form_KeyDown(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        OkCommandbutton_Click();
        return true;
    }
    return key == Qt::Key_Escape; // only Ok, Enter, Alt+O and the close box close it
}

void AboutForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_accessKeys->attach();
}

bool AboutForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && Form_KeyDown(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QDialog::eventFilter(watched, event);
}

void AboutForm::keyPressEvent(QKeyEvent* event)
{
    if (!Form_KeyDown(event->key()))
        QDialog::keyPressEvent(event);
}

void AboutForm::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    // The etched line above the button: grey, and a white line two pixels wide under it.
    QPainter painter(this);
    const QRect line = twips(0, 5520, 6564, 15);
    painter.fillRect(QRect(line.left(), line.top(), line.width(), 1), QColor(128, 128, 128));
    painter.fillRect(QRect(1, line.top() + 1, line.width() - 1, 2), Qt::white);
}

} // namespace lexaro
