// SPDX-License-Identifier: GPL-3.0-or-later
#include "floor/windowsize.h"

#include <algorithm>

QSize GrownClientSize(const QSize& client, const QMargins& frame, const QSize& minimumOuter)
{
    return {std::max(client.width(), minimumOuter.width() - frame.left() - frame.right()),
            std::max(client.height(), minimumOuter.height() - frame.top() - frame.bottom())};
}
