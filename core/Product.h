#pragma once

#include <QString>

namespace tolvane::product {

// The product's names and the credit lines that its generated files and boxes carry.
inline QString title()
{
    return QStringLiteral("Tolvane v3.06b");
}
inline QString titleCopyright()
{
    return QStringLiteral("Tolvane v3.06b\u00a9");
}
inline QString ownership()
{
    return QStringLiteral(
        "Tolvane v3.06b - resource builder, (c) Kelvadore Inc. All rights reserved.");
}
inline QString contact()
{
    return QStringLiteral("Kelvadore Inc. - support: see the Tolvane manual, Troubleshooting.");
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
