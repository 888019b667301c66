#include "shell/lexaro_form.h"

#include "lookup/dictionary_lookup.h"
#include "platform/shell_opener.h"
#include "platform/tray_icon.h"
#include "shell/main_menu.h"
#include "ui/access_keys.h"
#include "ui/artwork.h"
#include "ui/clickable_image.h"
#include "ui/fonts.h"
#include "ui/form_layout.h"
#include "ui/product.h"
#include "ui/program_exit.h"
#include "ui/screen_placement.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTextOption>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace lexaro {

namespace {

constexpr QSize ClientSize{961, 555};

// The window's fixed pictures.
struct Banner
{
    const char16_t* name;
    const char16_t* resource;
    QRect geometry;
};

const Banner Header{u"HeaderImage", u":/header.svg", QRect(0, 0, 969, 113)};
const Banner DictionaryBar{u"DictionarybarImage", u":/dictionary_bar.svg",
                           twips(0, 1710, 855, 6615)};
const Banner Toolbar{u"ToolbarImage", u":/toolbar.svg", twips(870, 1710, 975, 6615)};
const Banner Dedication{u"DedicationImage", u":/dedication.svg", twips(1860, 1710, 12675, 495)};
const Banner DictionaryName{u"DictionarynameImage", u":/dictionary_name.svg",
                            twips(1860, 2220, 12675, 495)};

// A dictionary's picture in the bar on the left, and a command's in the toolbar.
QRect dictionaryPictureGeometry(int row)
{
    return twips(120, 1830 + 720 * row, 615, 615);
}

QRect toolbarPictureGeometry(int top)
{
    return twips(990, top, 735, 735);
}

QLabel* addPicture(QWidget* parent, const Banner& banner)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf16(banner.name));
    label->setGeometry(banner.geometry);
    label->setPixmap(Artwork::picture(QString::fromUtf16(banner.resource), banner.geometry.size()));
    return label;
}

QString dictionaryArtwork(DictionaryId id)
{
    static const char16_t* const names[] = {u"arabic",  u"english", u"finnish",
                                            u"french",  u"german",  u"italian",
                                            u"spanish", u"swedish", u"computer"};
    return u":/dictionaries/"_s + QString::fromUtf16(names[static_cast<int>(id)]) + u".svg"_s;
}

struct ToolbarPicture
{
    ToolbarCommand command;
    int top;
    const char16_t* name;
    const char16_t* resource;
    const char16_t* tooltip;
};

constexpr ToolbarPicture ToolbarPictures[] = {
    {ToolbarCommand::AddWord, 1800, u"AddwordImage", u":/actions/add_word.svg",
     u"Add word (Shourtcut key: Alt+A)"},
    {ToolbarCommand::EditWord, 2640, u"EditwordImage", u":/actions/edit_word.svg",
     u"Edit word (Shourtcut key: Alt+E)"},
    {ToolbarCommand::DeleteWord, 3480, u"DeletewordImage", u":/actions/delete_word.svg",
     u"Delete word (Shourtcut key: Alt+D)"},
    {ToolbarCommand::ListenWord, 4320, u"ListenwordImage", u":/actions/listen_word.svg",
     u"Listen word (Shourtcut key: Alt+L)"},
    {ToolbarCommand::RefreshDatabase, 5160, u"RefreshdatabaseImage",
     u":/actions/refresh_database.svg", u"Refresh database (Shourtcut key: F5)"},
    {ToolbarCommand::HelpAndSupport, 6000, u"HelpandsupportImage",
     u":/actions/help_and_support.svg", u"Help and support (Shourtcut key: F1)"},
    {ToolbarCommand::About, 6840, u"AboutImage", u":/actions/about.svg",
     u"About Orvenda Lexaro 2019"},
};

} // namespace

QList<std::pair<QString, QSize>> LexaroForm::pictures()
{
    QList<std::pair<QString, QSize>> all;
    for (const Banner* banner : {&Header, &DictionaryBar, &Toolbar, &Dedication, &DictionaryName})
        all.append({QString::fromUtf16(banner->resource), banner->geometry.size()});
    int row = 0;
    for (const DictionaryEntry& e : DictionaryCatalog::entries())
        all.append({dictionaryArtwork(e.id), dictionaryPictureGeometry(row++).size()});
    for (const ToolbarPicture& p : ToolbarPictures)
        all.append({QString::fromUtf16(p.resource), toolbarPictureGeometry(p.top).size()});
    return all;
}

LexaroForm::LexaroForm(DictionaryStore& store, const Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_store(store), m_services(services)
{
    setObjectName(QStringLiteral("lexaroForm"));
    setWindowTitle(Product::name());
    setFixedSize(ClientSize);
    setFont(Fonts::tahoma());
    setWindowIcon(Artwork::windowIcon());
    setAccessibleName(Product::name());

    addPicture(this, Header);
    const QCursor pointer = Artwork::pointer();
    buildDictionaryBar(pointer);
    buildToolbar(pointer);
    buildBanners();
    buildLookupControls();
    buildTabOrder();

    m_mainMenu = new MainMenu(this);
    connect(m_mainMenu, &MainMenu::openRequested, this, &LexaroForm::OpenMenu_Click);
    connect(m_mainMenu, &MainMenu::dictionaryRequested, this, &LexaroForm::DictionaryMenu_Click);
    connect(m_mainMenu, &MainMenu::checkForUpdatesRequested, this,
            &LexaroForm::CheckforupdatesMenu_Click);
    connect(m_mainMenu, &MainMenu::exitRequested, this, &LexaroForm::ExitMenu_Click);
    m_services.trayIcon.setContextMenu(m_mainMenu);
    connect(&m_services.trayIcon, &TrayIcon::pointerEvent, this,
            &LexaroForm::TrayIcon_PointerEvent);
    connect(&m_services.trayIcon, &TrayIcon::menuRequested, this,
            &LexaroForm::TrayIcon_MenuRequested);

    Form_Load();
}

LexaroForm::~LexaroForm()
{
    // The look-up watches the controls' events: it goes before the controls do.
    delete m_lookup;
    m_lookup = nullptr;
}

void LexaroForm::buildDictionaryBar(const QCursor& pointer)
{
    addPicture(this, DictionaryBar);
    int row = 0;
    for (const DictionaryEntry& e : DictionaryCatalog::entries()) {
        auto* image = new ClickableImage(e.imageName(), e.displayName, pointer, this);
        image->setGeometry(dictionaryPictureGeometry(row++));
        image->setPixmap(Artwork::picture(dictionaryArtwork(e.id), image->size()));
        const DictionaryId id = e.id;
        connect(image, &ClickableImage::clicked, this, [this, id] { DictionaryImage_Click(id); });
    }
}

void LexaroForm::buildToolbar(const QCursor& pointer)
{
    addPicture(this, Toolbar);
    for (const ToolbarPicture& p : ToolbarPictures) {
        auto* image = new ClickableImage(QString::fromUtf16(p.name), QString::fromUtf16(p.tooltip),
                                         pointer, this);
        image->setGeometry(toolbarPictureGeometry(p.top));
        image->setPixmap(Artwork::picture(QString::fromUtf16(p.resource), image->size()));
        const ToolbarCommand command = p.command;
        connect(image, &ClickableImage::clicked, this, [this, command] { runCommand(command); });
    }
}

void LexaroForm::buildBanners()
{
    // Decorative, but a screen reader should read its sentence too.
    addPicture(this, Dedication)
        ->setAccessibleName(QStringLiteral("\u0627\u06CC\u0646 \u0646\u0631\u0645\u200C"
                                           "\u0627\u0641\u0632\u0627\u0631 \u0631\u0627"
                                           "\u06CC\u06AF\u0627\u0646 \u0627\u0633\u062A "
                                           "\u0648 \u0628\u0647 \u0647\u0645\u0647\u0654 "
                                           "\u062F\u0648\u0633\u062A\u062F\u0627\u0631"
                                           "\u0627\u0646 \u0632\u0628\u0627\u0646 \u0641"
                                           "\u0627\u0631\u0633\u06CC \u067E\u06CC\u0634"
                                           "\u06A9\u0634 \u0645\u06CC\u200C\u0634\u0648"
                                           "\u062F"));
    addPicture(this, DictionaryName);

    addDarkLabel(this, QStringLiteral("CurrentdictionaryLabel"), twips(1980, 2340, 1635, 255), 9.75)
        ->setText(QStringLiteral("Current dictionary:"));
    m_dictionaryNameLabel = addDarkLabel(this, QStringLiteral("DictionarynameLabel"),
                                         twips(3720, 2340, 10515, 255), 9.75);

    m_checkForUpdatesLabel = new QLabel(Product::updateAddress(), this);
    m_checkForUpdatesLabel->setObjectName(QStringLiteral("CheckforupdatesLabel"));
    m_checkForUpdatesLabel->setGeometry(twips(11160, 120, 3135, 255));
    m_checkForUpdatesLabel->hide();
}

void LexaroForm::buildLookupControls()
{
    m_searchCombo = new QComboBox(this);
    m_searchCombo->setObjectName(QStringLiteral("SearchCombo"));
    m_searchCombo->setAccessibleName(QStringLiteral("Search word"));
    m_searchCombo->setGeometry(twips(1920, 2800, 12375, 315));
    m_searchCombo->setEditable(true);
    m_searchCombo->setCompleter(nullptr); // typing "hous" must look up "hous"
    m_searchCombo->setInsertPolicy(QComboBox::NoInsert);
    m_searchCombo->setMaxVisibleItems(20);
    // The list can hold a million words: never measure them all.
    m_searchCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* view = new QListView(m_searchCombo);
    view->setUniformItemSizes(true);
    view->setLayoutMode(QListView::Batched);
    view->setAccessibleName(QStringLiteral("Word list"));
    m_searchCombo->setView(view);
    m_searchCombo->lineEdit()->setAccessibleName(QStringLiteral("Search word"));
    // The open list is a window of its own: its keys go to the main window's preview too.
    view->installEventFilter(this);

    m_translationText = new QPlainTextEdit(this);
    m_translationText->setObjectName(QStringLiteral("TranslationText"));
    m_translationText->setAccessibleName(QStringLiteral("Translation"));
    m_translationText->setGeometry(twips(1920, 3200, 12375, 5055));
    m_translationText->setReadOnly(true);
    m_translationText->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                               Qt::TextSelectableByKeyboard);
    m_translationText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_translationText->setLayoutDirection(Qt::RightToLeft);
    m_translationText->setFont(Fonts::translation());
    QTextOption option = m_translationText->document()->defaultTextOption();
    option.setAlignment(Qt::AlignRight);
    option.setTextDirection(Qt::RightToLeft);
    m_translationText->document()->setDefaultTextOption(option);

    m_lookup = new DictionaryLookup(m_store, m_services.keyboard,
                                    {m_dictionaryNameLabel, m_searchCombo, m_translationText},
                                    m_services.baseForms, this);
}

void LexaroForm::buildTabOrder()
{
    // The search box and the translation box first, then the sixteen pictures in their order
    // on the window, so the keyboard reaches every command.
    QWidget* previous = m_searchCombo;
    setTabOrder(previous, m_translationText);
    previous = m_translationText;
    for (ClickableImage* picture : findChildren<ClickableImage*>(Qt::FindDirectChildrenOnly)) {
        setTabOrder(previous, picture);
        previous = picture;
    }
}

QString LexaroForm::updateAddress() const
{
    return m_checkForUpdatesLabel->text();
}

void LexaroForm::Form_Load()
{
    Iconobject = windowIcon();
    AddTrayIcon();
    centreOnScreen(*this);
    // The clipboard watchers mark what the clipboard holds as seen when they start.
    DictionaryImage_Click(FirstDictionary);
}

void LexaroForm::AddTrayIcon()
{
    m_services.trayIcon.add(Iconobject, QStringLiteral("TrayIcon"));
}

void LexaroForm::RemoveTrayIcon()
{
    m_services.trayIcon.remove();
}

QString LexaroForm::searchText() const
{
    return m_searchCombo->currentText();
}

std::optional<DictionaryId> LexaroForm::currentDictionary() const
{
    return m_lookup->currentDictionary();
}

void LexaroForm::clearSearchText()
{
    m_searchCombo->setEditText(QString());
}

void LexaroForm::writeSearchText(const QString& text)
{
    m_searchCombo->setEditText(text);
}

void LexaroForm::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Key preview: the window sees every key before the control that has the focus.
    if (!m_keyPreviewInstalled && windowHandle()) {
        windowHandle()->installEventFilter(this);
        m_keyPreviewInstalled = true;
    }
}

bool LexaroForm::eventFilter(QObject* watched, QEvent* event)
{
    const bool fromWindow = watched == windowHandle() || watched == m_searchCombo->view();
    if (fromWindow && event->type() == QEvent::KeyPress &&
        previewKey(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool LexaroForm::previewKey(const QKeyEvent& key)
{
    const int shortcut = Keys::shortcutKey(key, m_services.keyboardMap);
    if (shortcutCommand(shortcut, key.modifiers())) {
        // A command opens windows of its own: the word list closes first.
        m_searchCombo->hidePopup();
        Form_KeyDown(shortcut, key.modifiers());
    }
    // F5 and F1 go on to the focused control as well; no Alt key types into a field.
    return Keys::wouldTypeWithAlt(key);
}

bool LexaroForm::Form_KeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const std::optional<ToolbarCommand> command = shortcutCommand(key, modifiers);
    if (command)
        runCommand(*command);
    return command.has_value();
}

void LexaroForm::DictionaryImage_Click(DictionaryId id)
{
    m_lookup->switchDictionary(id);
}

void LexaroForm::DictionaryMenu_Click(DictionaryId id)
{
    DictionaryImage_Click(id);
}

void LexaroForm::runCommand(ToolbarCommand command)
{
    Q_EMIT commandStarted(command);
}

void LexaroForm::OpenMenu_Click()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void LexaroForm::ExitMenu_Click()
{
    RemoveTrayIcon();
    m_services.exit.end(0);
}

void LexaroForm::CheckforupdatesMenu_Click()
{
    m_services.shell.open(updateAddress());
}

void LexaroForm::hideWindow()
{
    // Only where the notification area can bring it back: without an icon the window stays
    // minimised, in the taskbar, and is never lost.
    if (m_services.trayIcon.isShown())
        hide();
}

void LexaroForm::TrayIcon_PointerEvent()
{
    Q_EMIT clipboardSeen();
}

void LexaroForm::TrayIcon_MenuRequested(const QPoint& globalPosition)
{
    m_mainMenu->popup(globalPosition);
}

void LexaroForm::Form_Unload()
{
    RemoveTrayIcon();
}

void LexaroForm::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}

void LexaroForm::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized() ||
        (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized))
        return;
    // After the change has run its course: the watcher may hide the window.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isMinimized())
                Q_EMIT minimised();
        },
        Qt::QueuedConnection);
}

} // namespace lexaro
