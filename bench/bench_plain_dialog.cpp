// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>

#include <cstdio>

// The yardstick for a whole `ryvanta render` process: a plain Qt dialog as
// large as the main window, with as many widgets, shown, grabbed and written
// as PNG the way render writes the window. Labels, buttons, combo boxes and
// group boxes take turns in a grid.
//
// Usage: bench_plain_dialog WIDGETS OUTPUT.png

namespace {

constexpr int kWidth = 582;
constexpr int kHeight = 458;
constexpr int kColumns = 4;
constexpr int kMargin = 8;

QWidget* CreateWidget(int index, QWidget* parent)
{
    const QString number = QString::number(index + 1);
    switch (index % 4) {
    case 0:
        return new QLabel(QStringLiteral("Label ") + number, parent);
    case 1:
        return new QPushButton(QStringLiteral("Button ") + number, parent);
    case 2: {
        auto* combo = new QComboBox(parent);
        combo->addItems({ QStringLiteral("Item ") + number, QStringLiteral("Other"), QStringLiteral("Third") });
        return combo;
    }
    default:
        return new QGroupBox(QStringLiteral("Group ") + number, parent);
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "Usage: bench_plain_dialog WIDGETS OUTPUT.png|--show\n");
        return 2;
    }
    const int widgetCount = QByteArray(argv[1]).toInt();
    const QString output = QString::fromLocal8Bit(argv[2]);
    // --show puts the dialog on the display and keeps it there, for a
    // measure of how soon a window is up; otherwise it is drawn offscreen.
    const bool shown = output == QLatin1String("--show");
    if (!shown)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    int argumentCount = 1;
    QApplication application(argumentCount, argv);

    QDialog dialog;
    dialog.setFixedSize(kWidth, kHeight);
    const int rows = (widgetCount + kColumns - 1) / kColumns;
    const int cellWidth = (kWidth - kMargin) / kColumns;
    const int cellHeight = rows > 0 ? (kHeight - kMargin) / rows : 0;
    for (int index = 0; index < widgetCount; ++index) {
        QWidget* widget = CreateWidget(index, &dialog);
        widget->setGeometry(kMargin + index % kColumns * cellWidth, kMargin + index / kColumns * cellHeight,
            cellWidth - kMargin, cellHeight - kMargin);
    }
    dialog.show();
    if (shown)
        return application.exec();

    const QImage image = dialog.grab().toImage();
    QSaveFile file(output);
    if (image.isNull() || !file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        std::fprintf(stderr, "bench_plain_dialog: cannot write '%s'\n", argv[2]);
        return 2;
    }
    return 0;
}
