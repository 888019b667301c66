#pragma once

#include <QString>

#include "lexaro_version.h"

namespace lexaro::Product {

// The version comes from the build's project version.
inline constexpr int VersionMajor = LEXARO_VERSION_MAJOR;
inline constexpr int VersionMinor = LEXARO_VERSION_MINOR;
inline constexpr int VersionPatch = LEXARO_VERSION_PATCH;

inline QString name()
{
    return QStringLiteral("Orvenda Lexaro 2019");
}
inline QString companyName()
{
    return QStringLiteral("Orvenda Corporate");
}
inline QString copyright()
{
    return QStringLiteral("Copyright \u00A9 2019 Orvenda Corporate. All rights reserved.");
}
inline QString trademarks()
{
    return QStringLiteral("Orvenda and Lexaro are trademarks of Orvenda Corporate.");
}
// The maker's addresses, opened exactly as the about window shows them.
inline QString weblogHost()
{
    return QStringLiteral("weblog.orvenda.example");
}
inline QString weblogAddress()
{
    return QStringLiteral("http://") + weblogHost();
}
// The product's page on the weblog, where "Check for updates..." leads.
inline QString updateAddress()
{
    return QStringLiteral("https://") + weblogHost() + QStringLiteral("/Lexaro");
}
inline QString websiteAddress()
{
    return QStringLiteral("http://www.orvenda.example");
}
// "Version: 4.0.0 alpha", as the splash and the about window show it.
inline QString versionLine()
{
    return QStringLiteral("Version: ") + QString::number(VersionMajor) + u'.' +
           QString::number(VersionMinor) + u'.' + QString::number(VersionPatch) +
           QStringLiteral(" alpha");
}
inline QString lastUpdateLine()
{
    return QStringLiteral("Last update: 2019/11/21");
}
inline QString legalWarning()
{
    return QStringLiteral("Warning: this computer program is protected by copyright law and "
                          "international treaties. Unauthorized reproduction or distribution of "
                          "this program, or any portion of it, may result in severe civil and "
                          "criminal penalties.");
}

} // namespace lexaro::Product
