#include "help/help_menu.h"

namespace lexaro {

namespace {

HelpMenuItem heading(const char16_t* name, int top, const char16_t* caption)
{
    return {QString::fromUtf16(name), top, QString::fromUtf16(caption), {}, {}, std::nullopt};
}

HelpMenuItem document(const char16_t* name, int top, const char16_t* caption,
                      const char16_t* tooltip, const char16_t* file, HelpPicture missing)
{
    return {QString::fromUtf16(name),    top,
            QString::fromUtf16(caption), QString::fromUtf16(tooltip),
            QString::fromUtf16(file),    missing};
}

} // namespace

const QList<HelpMenuItem>& helpMenu()
{
    // The tooltips keep the letters they were written with, the Arabic yeh among them.
    using enum HelpPicture;
    static const QList<HelpMenuItem> menu{
        heading(u"GettoknowlexaroLabel", 120, u"Get to know Lexaro"),
        document(u"Orvendalexaro2019Label", 480, u"Orvenda Lexaro 2019",
                 u"\u0644\u06A9\u0633\u0627\u0631\u0648 \u0627\u0631\u0648\u0646\u062F\u0627",
                 u"\\Help and support\\Orvenda Lexaro 2019.pdf",
                 Thefileorvendalexaro2019hasbeendamagedImage),
        document(u"NewfeaturesLabel", 840, u"New features",
                 u"\u0648\u064A\u0698\u06AF\u064A \u0647\u0627\u064A \u062C\u062F\u064A\u062F",
                 u"\\Help and support\\New features.pdf", ThefilenewfeatureshasbeendamagedImage),
        document(u"SystemrequirementsLabel", 1200, u"System requirements",
                 u"\u062D\u062F\u0627\u0642\u0644 \u0633\u064A\u0633\u062A\u0645 \u0645\u0648"
                 u"\u0631\u062F \u0646\u064A\u0627\u0632",
                 u"\\Help and support\\System requirements.pdf",
                 ThefilesystemrequirementshasbeendamagedImage),
        document(u"AddwordLabel", 1680, u"Add word", u"\u062B\u0628\u062A \u0648\u0627\u0698\u0647",
                 u"\\Help and support\\Add word.pdf", ThefileaddwordhasbeendamagedImage),
        document(u"EditwordLabel", 2040, u"Edit word",
                 u"\u0648\u064A\u0631\u0627\u064A\u0634 \u0648\u0627\u0698\u0647",
                 u"\\Help and support\\Edit word.pdf", ThefileeditwordhasbeendamagedImage),
        document(u"DeletewordLabel", 2400, u"Delete word",
                 u"\u062D\u0630\u0641 \u0648\u0627\u0698\u0647",
                 u"\\Help and support\\Delete word.pdf", ThefiledeletewordhasbeendamagedImage),
        document(u"ListenwordLabel", 2760, u"Listen word",
                 u"\u06AF\u0648\u0634 \u062F\u0627\u062F\u0646 \u0648\u0627\u0698\u0647",
                 u"\\Help and support\\Listen word.pdf", ThefilelistenwordhasbeendamagedImage),
        document(u"RefreshdatabaseLabel", 3120, u"Refresh database",
                 u"\u062A\u0627\u0632\u0647 \u06A9\u0631\u062F\u0646 \u0628\u0627\u0646\u06A9 "
                 u"\u0627\u0637\u0644\u0627\u0639\u0627\u062A\u064A",
                 u"\\Help and support\\Refresh database.pdf",
                 ThefilerefreshdatabasehasbeendamagedImage),
        document(u"HelpandsupportLabel", 3480, u"Help and support",
                 u"\u0631\u0627\u0647\u0646\u0645\u0627 \u0648 \u067E\u0634\u062A\u064A\u0628"
                 u"\u0627\u0646\u064A",
                 u"\\Help and support\\Help and support.pdf",
                 ThefilehelpandsupporthasbeendamagedImage),
        document(u"Aboutorvendalexaro2019Label", 3840, u"About Orvenda Lexaro 2019",
                 u"\u062F\u0631\u0628\u0627\u0631\u0647 \u0644\u06A9\u0633\u0627\u0631\u0648 "
                 u"\u0627\u0631\u0648\u0646\u062F\u0627",
                 u"\\Help and support\\About Orvenda Lexaro 2019.pdf",
                 Thefileaboutorvendalexaro2019hasbeendamagedImage),
        heading(u"RegionandlanguageLabel", 4320, u"Region and language:"),
        document(u"Microsoftwindows7Label", 4680, u"Microsoft Windows 7",
                 u"\u0645\u064A\u06A9\u0631\u0648\u0633\u0627\u0641\u062A \u0648\u064A\u0646"
                 u"\u062F\u0648\u0632 7",
                 u"\\Help and support\\Microsoft Windows 7.pdf",
                 Thefilemicrosoftwindows7hasbeendamagedImage),
        document(u"Microsoftwindows8and10Label", 5040, u"Microsoft Windows 8 and 10",
                 u"\u0645\u064A\u06A9\u0631\u0648\u0633\u0627\u0641\u062A \u0648\u064A\u0646"
                 u"\u062F\u0648 8 \u0648 10",
                 u"\\Help and support\\Microsoft Windows 8 and 10.pdf",
                 Thefilemicrosoftwindows8and10hasbeendamagedImage),
        document(u"ContactsusLabel", 5520, u"Contacts us",
                 u"\u0627\u0631\u062A\u0628\u0627\u0637 \u0628\u0627 \u0645\u0627",
                 u"\\Help and support\\Contacts us.pdf", ThefilecontactsushasbeendamagedImage),
    };
    return menu;
}

} // namespace lexaro
