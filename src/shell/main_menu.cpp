#include "shell/main_menu.h"

#include "ui/product.h"

using namespace Qt::StringLiterals;

namespace lexaro {

MainMenu::MainMenu(QWidget* parent) : QMenu(QStringLiteral("Main"), parent)
{
    setObjectName(QStringLiteral("MainMenu"));

    connect(addItem(this, QStringLiteral("OpenMenu"), u"Open "_s + Product::name()),
            &QAction::triggered, this, &MainMenu::openRequested);
    addLine(this, 1);

    auto* dictionaries = new QMenu(QStringLiteral("Change dictionary"), this);
    dictionaries->setObjectName(QStringLiteral("ChangedictionaryMenu"));
    dictionaries->menuAction()->setObjectName(QStringLiteral("ChangedictionaryMenu"));
    addMenu(dictionaries);
    int line = 2;
    for (const DictionaryEntry& e : DictionaryCatalog::entries()) {
        if (e.id != DictionaryId::Arabic)
            addLine(dictionaries, line++);
        const DictionaryId id = e.id;
        connect(addItem(dictionaries, e.menuName(), e.displayName), &QAction::triggered, this,
                [this, id] { Q_EMIT dictionaryRequested(id); });
    }

    addLine(this, 10);
    connect(addItem(this, QStringLiteral("CheckforupdatesMenu"),
                    QStringLiteral("Check for updates...")),
            &QAction::triggered, this, &MainMenu::checkForUpdatesRequested);
    addLine(this, 11);
    connect(addItem(this, QStringLiteral("ExitMenu"), QStringLiteral("Exit")), &QAction::triggered,
            this, &MainMenu::exitRequested);
}

QAction* MainMenu::addItem(QMenu* menu, const QString& name, const QString& caption)
{
    // Captions are shown as written: an '&' would otherwise become an access key.
    QString text = caption;
    text.replace(u'&', QStringLiteral("&&"));
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

void MainMenu::addLine(QMenu* menu, int number)
{
    menu->addSeparator()->setObjectName(u"Line"_s + QString::number(number) + u"Menu"_s);
}

} // namespace lexaro
