#pragma once

#include <QString>

// The product's names, titles and ownership lines, kept here once so that every window, box and
// generated file quotes the same words.
namespace tolvane::product {

// The title without the release letter, and the maker's mark.
inline QString name()
{
    return QStringLiteral("Tolvane");
}
inline QString shortTitle()
{
    return name() + QStringLiteral(" v3.06");
}
inline QString brand()
{
    return QStringLiteral("Kelvadore\u00ae");
}
inline QString rightsReserved()
{
    return QStringLiteral("(c) Kelvadore Inc. All rights reserved.");
}

// Titles, as the windows and boxes show them.
inline QString title()
{
    return shortTitle() + QLatin1Char('b');
}
inline QString titleCopyright()
{
    return title() + QChar(0x00a9);
}
// The same with a blank before the sign, as some boxes carry it.
inline QString titleSpacedCopyright()
{
    return title() + QStringLiteral(" \u00a9");
}
inline QString shortTitleCopyright()
{
    return shortTitle() + QChar(0x00a9);
}
inline QString builderTitle()
{
    return title() + QStringLiteral(" - resource builder");
}

// Ownership and credit lines.
inline QString ownership()
{
    return builderTitle() + QStringLiteral(", ") + rightsReserved();
}
inline QString summaryOwnership()
{
    return shortTitleCopyright() + QStringLiteral(" - resource builder, ") + rightsReserved();
}
inline QString contact()
{
    return QStringLiteral("Kelvadore Inc. - support: see the Tolvane manual, Troubleshooting.");
}
inline QString buildCredit()
{
    return titleCopyright() + QStringLiteral(" - built with care for your resources");
}
inline QString exportCredit()
{
    return title() + QStringLiteral(" - string table written by the Quick Table editor.");
}
inline QString rightsNotice()
{
    return QStringLiteral("(c) Kelvadore Inc. - see the Tolvane manual for support.");
}

} // namespace tolvane::product
