// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/fonts.h"

#include <QFont>
#include <QString>

void InstallFontSubstitutes()
{
    // fontconfig would pick DejaVu Sans for "MS Sans Serif", which is wider
    // and would make the measured dialog texts too large.
    const QString liberation = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), liberation);
    QFont::insertSubstitution(QStringLiteral("Arial"), liberation);
}
