// The wizard windows with many 32 x 32 frames, driven offscreen through their real buttons:
// picking the frames, opening the sequence step and pressing "Tam a zpět", opening the
// timing step on the 2n - 2 steps. Pending events are processed after every action, as the event
// loop does between the user's clicks, so each action's time includes its repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "animace/wizard/cursor_picker.h"
#include "animace/wizard/sequence_step.h"
#include "animace/wizard/timing_step.h"
#include "animace/wizard/wizard.h"
#include "desktop/desktop_services.h"
#include "iconfile/icon_records.h"

namespace {

class QuietDesktop : public desktop::DesktopServices {
public:
    desktop::MessageAnswer showMessage(desktop::MessageIcon, desktop::MessageButtons, const QString&,
                                       const std::optional<QString>&) override {
        return desktop::MessageAnswer::Ok;
    }
    void beep() override {}
    void setBusy(bool) override {}
    void endProgram(int) override { ended = true; }
    bool programEnded() const override { return ended; }
    bool ended = false;
};

// A one-image 8-bit 32 x 32 cursor.
QByteArray Cursor() {
    using namespace iconfile;
    IconFileHeader header{0, 2, 1};
    IconDirEntry entry;
    entry.width = 32;
    entry.height = 32;
    entry.imageSize = static_cast<std::uint32_t>(ImageBlockLength(32, 32, 8, 256));
    entry.imageOffset = 22;
    ImageBitmapHeader bitmap;
    bitmap.width = 32;
    bitmap.height = 64;
    QByteArray out;
    auto append = [&out](const auto& bytes) { out.append(reinterpret_cast<const char*>(bytes.data()), bytes.size()); };
    append(header.Encode());
    append(entry.Encode());
    append(bitmap.Encode());
    for (int i = 0; i < 256; ++i) append(PaletteEntry{static_cast<std::uint8_t>(i), 0, 0, 0}.Encode());
    out.append(static_cast<qsizetype>(32 * 32 + 32 * 4), '\x07');
    return out;
}

struct Scene {
    Scene() {
        QFile file(folder.filePath(QStringLiteral("kolo.cur")));
        file.open(QIODevice::WriteOnly);
        file.write(Cursor());
        file.close();
        wizard = std::make_unique<animace::Wizard>(folder.path() + QStringLiteral("/#"), desktop,
                                                   folder.filePath(QStringLiteral("obr.tmp")), QStringList{"/"});
        picker = wizard->picker();
        wizard->start();
        picker->fileList->selectFile(QStringLiteral("kolo.cur"));
    }
    void pick(int frames) {
        for (int i = 0; i < frames; ++i) {
            QTest::mouseClick(picker->addButton, Qt::LeftButton);
            QCoreApplication::processEvents();
        }
    }
    animace::SequenceStep* toSequence() {
        QTest::mouseClick(picker->nextButton, Qt::LeftButton);
        QCoreApplication::processEvents();
        return sequence = wizard->sequence();
    }
    animace::TimingStep* toTiming() {
        QTest::mouseClick(sequence->nextButton, Qt::LeftButton);
        QCoreApplication::processEvents();
        return timing = wizard->timing();
    }

    QTemporaryDir folder;
    QuietDesktop desktop;
    std::unique_ptr<animace::Wizard> wizard;
    animace::CursorPicker* picker = nullptr;
    animace::SequenceStep* sequence = nullptr;
    animace::TimingStep* timing = nullptr;
};

// Times `measured` alone on a fresh scene that `prepare` sets up; `check` then says what went
// wrong, or nothing.
template <typename Prepare, typename Measured, typename Check>
void TimeOnScene(benchmark::State& state, Prepare prepare, Measured measured, Check check) {
    for (auto _ : state) {
        state.PauseTiming();
        auto scene = std::make_unique<Scene>();
        prepare(*scene);
        state.ResumeTiming();
        measured(*scene);
        state.PauseTiming();
        if (const char* failure = check(*scene)) state.SkipWithError(failure);
        scene.reset();
        state.ResumeTiming();
    }
}

void ThereAndBack(Scene& scene) {
    QTest::mouseClick(scene.toSequence()->thereAndBackButton, Qt::LeftButton);
    QCoreApplication::processEvents();
}

void PickFrames(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    TimeOnScene(
        state, [](Scene&) {}, [frames](Scene& scene) { scene.pick(frames); },
        [frames](Scene& scene) { return scene.picker->frameCount() != frames ? "frames were not picked" : nullptr; });
}

void OpenSequenceAndThereAndBack(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    TimeOnScene(
        state, [frames](Scene& scene) { scene.pick(frames); }, ThereAndBack,
        [frames](Scene& scene) { return scene.sequence->stepCount() != 2 * frames - 2 ? "wrong step count" : nullptr; });
}

void OpenTiming(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    TimeOnScene(
        state,
        [frames](Scene& scene) {
            scene.pick(frames);
            ThereAndBack(scene);
        },
        [](Scene& scene) { scene.toTiming(); },
        [frames](Scene& scene) { return scene.timing->stepCount() != 2 * frames - 2 ? "wrong step count" : nullptr; });
}

}  // namespace

BENCHMARK(PickFrames)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(OpenSequenceAndThereAndBack)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(OpenTiming)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    {
        // Font, style and picture caches are filled once per process; keep that out of the first case.
        Scene warmUp;
        warmUp.pick(100);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
