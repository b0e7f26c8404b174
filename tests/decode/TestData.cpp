#include "TestData.h"

#include <QFile>
#include <QRegularExpression>

namespace mimora {

QString TestDataDir()
{
    return qEnvironmentVariable("MIMORA_TESTDATA");
}

QByteArray ReadTestFile(const QString &relativePath)
{
    QFile file(TestDataDir() + QLatin1Char('/') + relativePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

std::vector<ManifestRow> ReadManifest()
{
    // | `dir/file` | FORMAT | what | validity | 12x34 (N frames) ... | origin |
    static const QRegularExpression row(
        QStringLiteral(R"(^\| `([^`]+)` \|[^|]*\|[^|]*\| (valid|edge|invalid) \| ([^|]*)\|)"));
    static const QRegularExpression size(QStringLiteral(R"(^(\d+)x(\d+)(?: \((\d+) frames\))?)"));
    std::vector<ManifestRow> rows;
    const QString text = QString::fromUtf8(ReadTestFile(QStringLiteral("README.md")));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = row.match(line);
        if (!m.hasMatch())
            continue;
        ManifestRow r{m.captured(1), m.captured(2), {}, 1};
        const QRegularExpressionMatch s = size.match(m.captured(3).trimmed());
        if (s.hasMatch()) {
            r.size = QSize(s.captured(1).toInt(), s.captured(2).toInt());
            if (!s.captured(3).isEmpty())
                r.frames = s.captured(3).toInt();
        }
        rows.push_back(r);
    }
    return rows;
}

} // namespace mimora
