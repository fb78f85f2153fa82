// The recovery record: what the interface thread does after a change (copy the pictures
// and the names), and what the writer thread does with them (encode, write, sync).
#include "document/editor_core.h"
#include "document/recovery_record.h"
#include "document/recovery_store.h"
#include "panel/null_panel_host.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace pattik {
namespace {

// A null window system with an environment that asks nothing.
class QuietEnvironment : public DocumentEnvironment {
  public:
    std::tm LocalTime() const override { return std::tm{}; }
    std::string DocumentsFolder() const override { return "/tmp"; }
    bool EnsureFolder(const std::string&) override { return true; }
    std::optional<std::string> AskSavePath(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    void SetTitle(const std::string&) override {}
    void AddToRecentFiles(const std::string&) override {}
    void RemoveFromRecentFiles(const std::string&) override {}
};

struct Drawn {
    Drawn() {
        core.Create();
        core.SetUpBars();
        core.panel.ChangeItem(0, static_cast<int>(ItemCategory::Top));
        DrawingContext wear = core.panel.ImageContext(ViewMode::Wear);
        wear.FillRect(RECT{10, 20, 60, 90}, RGB(40, 110, 220));
    }
    NullPanelHost host;
    NullPaletteHost palette;
    NullItemBarHost itemBar;
    QuietEnvironment environment;
    EditorCore core{EditorHosts{host, host, host, host, host, palette, itemBar, environment}};
};

// On the interface thread: the snapshot a change leads to.
void BM_RecoverySnapshot(benchmark::State& state) {
    Drawn drawn;
    for (auto _ : state) {
        RecoveryRecord record = drawn.core.document.RecoverySnapshot(0);
        benchmark::DoNotOptimize(record.wear.Row(0));
    }
}
BENCHMARK(BM_RecoverySnapshot);

// On the writer thread: encoding the record, then writing and syncing it.
void BM_RecoveryEncode(benchmark::State& state) {
    Drawn drawn;
    const RecoveryRecord record = drawn.core.document.RecoverySnapshot(0);
    for (auto _ : state) {
        std::vector<std::uint8_t> bytes = EncodeRecoveryRecord(record);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_RecoveryEncode);

void BM_RecoveryWriteAndSync(benchmark::State& state) {
    Drawn drawn;
    const std::vector<std::uint8_t> bytes =
        EncodeRecoveryRecord(drawn.core.document.RecoverySnapshot(0));
    const std::string folder = "/tmp/pattik-bench-" + std::to_string(getpid());
    {
        RecoveryStore store(folder);
        for (auto _ : state) {
            benchmark::DoNotOptimize(store.Write(bytes, store.Era()));
        }
        store.Clear();
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_RecoveryWriteAndSync)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pattik
