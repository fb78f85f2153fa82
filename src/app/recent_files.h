#pragma once

#include "document/recent_list.h"

#include <QStringList>

#include <string>
#include <vector>

class QSettings;

namespace pattik {

// The four most recent document paths, newest first, kept in the settings under
// "Recent File List" as File1 to File4 and written at once, so a crash loses none.
class RecentFiles {
  public:
    static constexpr int kMaxEntries = static_cast<int>(kRecentFileCount);

    explicit RecentFiles(QSettings& settings) : settings_(settings) {}

    QStringList Entries() const;
    // Puts the path first, as WithRecentPath says.
    void Add(const QString& path);
    void Remove(const QString& path);

  private:
    std::vector<std::string> Read() const;
    void Write(const std::vector<std::string>& entries);

    QSettings& settings_;
};

} // namespace pattik
