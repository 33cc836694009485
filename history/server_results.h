#pragma once
// The class view's series from the school's server: every closed series of
// the class (the server's role lets it see no other), with its answers. What
// the server sends is checked like any input: a series that makes no sense is
// named in a problem and skipped.

#include "class_results.h"
#include "server_settings.h"

namespace history {

class ServerResults final : public ClassResultsSource {
public:
    explicit ServerResults(ServerSettings settings) : settings_(std::move(settings)) {}
    QString where() const override;
    std::vector<PupilSeries> read(QStringList &problems) override;

private:
    ServerSettings settings_;
};

}  // namespace history
