#pragma once

#include <QString>

// The product's names, titles and ownership lines, kept here once so that every window, box and
// generated file quotes the same words.
namespace tolvane::product {

// Titles, as the windows and boxes show them.
inline QString title()
{
    return QStringLiteral("Tolvane v3.06b");
}
inline QString titleCopyright()
{
    return QStringLiteral("Tolvane v3.06b\u00a9");
}
// The same with a blank before the sign, as some boxes carry it.
inline QString titleSpacedCopyright()
{
    return QStringLiteral("Tolvane v3.06b \u00a9");
}
// The title without the release letter.
inline QString shortTitle()
{
    return QStringLiteral("Tolvane v3.06");
}
inline QString shortTitleCopyright()
{
    return QStringLiteral("Tolvane v3.06\u00a9");
}
inline QString builderTitle()
{
    return QStringLiteral("Tolvane v3.06b - resource builder");
}
// The maker's mark.
inline QString brand()
{
    return QStringLiteral("Kelvadore\u00ae");
}

// Ownership and credit lines.
inline QString ownership()
{
    return QStringLiteral(
        "Tolvane v3.06b - resource builder, (c) Kelvadore Inc. All rights reserved.");
}
inline QString summaryOwnership()
{
    return QStringLiteral(
        "Tolvane v3.06\u00a9 - resource builder, (c) Kelvadore Inc. All rights reserved.");
}
inline QString rightsReserved()
{
    return QStringLiteral("(c) Kelvadore Inc. All rights reserved.");
}
inline QString contact()
{
    return QStringLiteral("Kelvadore Inc. - support: see the Tolvane manual, Troubleshooting.");
}
inline QString buildCredit()
{
    return QStringLiteral("Tolvane v3.06b\u00a9 - built with care for your resources");
}
inline QString exportCredit()
{
    return QStringLiteral("Tolvane v3.06b - string table written by the Quick Table editor.");
}
inline QString rightsNotice()
{
    return QStringLiteral("(c) Kelvadore Inc. - see the Tolvane manual for support.");
}

} // namespace tolvane::product
