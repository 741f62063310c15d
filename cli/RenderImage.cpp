// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RenderImage.h"

#include "app/BiorhythmDlg.h"
#include "app/Translation.h"
#include "chart/ChartLayout.h"
#include "cli/Arguments.h"
#include "cli/HeadlessMessages.h"
#include "cli/RenderOptions.h"
#include "cli/RenderWindow.h"
#include "platform/AtomicFile.h"
#include "platform/PrintableText.h"
#include "res/ResourceIds.h"

#include <QBuffer>
#include <QPixmap>

namespace {

// Qt's quality for PNG sets zlib's level: 80 gives level 1, which writes the
// same pixels in a fraction of the default level's time, in a somewhat
// larger file.
constexpr int kPngQuality = 80;

} // namespace

QImage RenderWindowImage(const RenderOptions& options)
{
    CBiorhythmDlg dialog(nullptr, CPersonsStore::Access::ReadOnly);
    dialog.show();
    ChartMonthAsUser(dialog, options);
    if (options.chartOnly)
        return dialog.grab(QRect(dialog.GetDlgItem(IDC_CHART)->pos(), ChartExtent())).toImage();
    return dialog.grab().toImage();
}

bool WriteWindowImage(const RenderOptions& options, QString* error)
{
    const QImage image = RenderWindowImage(options);
    // Should Qt still find a way to scale the screen, no image of the wrong
    // size is written.
    if (image.devicePixelRatio() != options.scale) {
        *error = Translated("Command", "the screen settings draw at %1 times the size, not %2")
                     .arg(image.devicePixelRatio()).arg(options.scale);
        return false;
    }
    QByteArray png;
    QBuffer buffer(&png);
    bool encoded = false;
    QString reason;
    {
        // What libpng says while it encodes, and only that, explains a failure.
        const HeadlessMessages encoderMessages;
        encoded = buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG", kPngQuality);
        reason = HeadlessMessages::LastMessage();
    }
    if (!encoded && reason.isEmpty())
        reason = Translated("Command", "the image could not be encoded as PNG");
    if (encoded && WriteFileAtomically(EncodeArgument(options.output), png, &reason))
        return true;
    *error = Translated("Command", "cannot write '%1': %2").arg(PrintableText(options.output), reason);
    return false;
}
