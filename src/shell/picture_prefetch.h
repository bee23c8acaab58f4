// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding the window's pictures on a second processor core while the
// program builds its window: at start-up the main thread would otherwise
// spend a quarter of its time inflating PNG files, and at 2x the factory
// alone takes longer than the rest of the window.
#pragma once

#include <QImage>
#include <QStringList>

#include <optional>

// Reads a PNG picture of the program's resources, the format given: asking
// every image plug-in about a suffix-less file would load them all.
QImage ReadPngPicture(const QString& path);

// Starts decoding these pictures, in this order, on a thread of its own.
// Only from the main thread, and only one prefetch at a time.
void StartPicturePrefetch(const QStringList& paths);
// The picture at `path` if the prefetch holds it: waits for it if it is
// being decoded, decodes it here if the thread has not come to it yet.
// Each picture is handed out once; nullopt for a path that is not held.
std::optional<QImage> TakePrefetchedPicture(const QString& path);
// Stops the thread (it finishes the picture it is decoding) and drops what
// nobody took.
void EndPicturePrefetch();
