#include "forms/qt/file_filters.h"

#include <QRegularExpression>

namespace forms::qt {

namespace {

QStringList PatternsOf(const QString& text) {
  QStringList patterns;
  for (const QString& piece : text.split(QRegularExpression("[;\\s]+"), Qt::SkipEmptyParts))
    patterns.push_back(piece == "*.*" ? QStringLiteral("*") : piece);
  return patterns;
}

}  // namespace

QString QtFilterOf(const FileFilter& filter) {
  QString description = QString::fromStdString(filter.description).trimmed();
  QString listed;
  const qsizetype open = description.indexOf('(');
  if (open >= 0) {
    const qsizetype close = description.indexOf(')', open);
    listed = description.mid(open + 1, close < 0 ? -1 : close - open - 1);
    description = description.left(open).trimmed();
  }
  QStringList patterns = PatternsOf(QString::fromStdString(filter.patterns));
  if (patterns.isEmpty()) patterns = PatternsOf(listed);
  if (patterns.isEmpty()) patterns.push_back(QStringLiteral("*"));
  if (description.isEmpty()) description = patterns.join(' ');
  return description + " (" + patterns.join(' ') + ")";
}

QStringList QtFiltersOf(const std::vector<FileFilter>& filters) {
  QStringList list;
  for (const FileFilter& filter : filters) list.push_back(QtFilterOf(filter));
  return list;
}

}  // namespace forms::qt
