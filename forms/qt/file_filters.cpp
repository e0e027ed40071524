#include "forms/qt/file_filters.h"

#include <QDir>
#include <QRegularExpression>

namespace forms::qt {

namespace {

QStringList PatternsOf(const QString& text) {
  QStringList patterns;
  for (const QString& piece : text.split(QRegularExpression("[;\\s]+"), Qt::SkipEmptyParts))
    patterns.push_back(piece == "*.*" ? QStringLiteral("*") : piece);
  return patterns;
}

// The description without its "(...)", and the patterns: the filter's own,
// else those listed in the description's parentheses, else "*".
struct ParsedFilter {
  QString description;
  QStringList patterns;
};

ParsedFilter Parse(const FileFilter& filter) {
  ParsedFilter parsed{QString::fromStdString(filter.description).trimmed(), {}};
  QString listed;
  const qsizetype open = parsed.description.indexOf('(');
  if (open >= 0) {
    const qsizetype close = parsed.description.indexOf(')', open);
    listed = parsed.description.mid(open + 1, close < 0 ? -1 : close - open - 1);
    parsed.description = parsed.description.left(open).trimmed();
  }
  parsed.patterns = PatternsOf(QString::fromStdString(filter.patterns));
  if (parsed.patterns.isEmpty()) parsed.patterns = PatternsOf(listed);
  if (parsed.patterns.isEmpty()) parsed.patterns.push_back(QStringLiteral("*"));
  return parsed;
}

}  // namespace

QString QtFilterOf(const FileFilter& filter) {
  ParsedFilter parsed = Parse(filter);
  if (parsed.description.isEmpty()) parsed.description = parsed.patterns.join(' ');
  return parsed.description + " (" + parsed.patterns.join(' ') + ")";
}

bool FitsFilter(const FileFilter& filter, const QString& name) { return QDir::match(Parse(filter).patterns, name); }

QStringList QtFiltersOf(const std::vector<FileFilter>& filters) {
  QStringList list;
  for (const FileFilter& filter : filters) list.push_back(QtFilterOf(filter));
  return list;
}

}  // namespace forms::qt
