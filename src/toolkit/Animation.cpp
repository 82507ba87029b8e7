#include "toolkit/Animation.h"

#include "toolkit/Clock.h"

#include <QHash>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

constexpr double kFrame = 1.0 / 60.0;

struct Track {
    QPointer<QObject> owner;
    QString key;
    std::function<void(double)> apply;
    bool hasOwner;
};

struct Run {
    double start = 0;
    double duration = 0;
    std::vector<Track> tracks;
    std::function<void()> didStop;
    Clock::TimerId tick = 0;
};

struct Block {
    double duration;
    std::vector<Track> tracks;
    std::function<void()> didStop;
};

std::vector<Block> &blocks()
{
    static std::vector<Block> b;
    return b;
}

std::vector<std::shared_ptr<Run>> &runs()
{
    static std::vector<std::shared_ptr<Run>> r;
    return r;
}

// Ease in and out, as block animations draw by default.
double eased(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

void applyTrack(Track &track, double t)
{
    if (track.hasOwner && !track.owner)
        return;
    track.apply(t);
}

void finish(std::shared_ptr<Run> run) // by value: it leaves the list it may come from
{
    Clock::shared().cancel(run->tick);
    auto &all = runs();
    all.erase(std::remove(all.begin(), all.end(), run), all.end());
    for (Track &track : run->tracks)
        applyTrack(track, 1.0);
    if (run->didStop)
        run->didStop();
}

void step(const std::weak_ptr<Run> &weak)
{
    auto run = weak.lock();
    if (!run)
        return;
    const double t = run->duration > 0 ? (Clock::shared().now() - run->start) / run->duration : 1.0;
    if (t >= 1.0) {
        finish(run);
        return;
    }
    for (Track &track : run->tracks)
        applyTrack(track, eased(t));
}

// Drops the tracks of older runs that draw the same property.
void supersede(const Track &track)
{
    for (auto &run : runs()) {
        auto &tr = run->tracks;
        tr.erase(std::remove_if(tr.begin(), tr.end(), [&](const Track &other) {
                     return other.hasOwner == track.hasOwner && other.owner == track.owner && other.key == track.key;
                 }),
                 tr.end());
    }
}

}

void Animation::begin(double duration)
{
    blocks().push_back(Block{std::max(0.0, duration), {}, {}});
}

void Animation::setDidStop(std::function<void()> didStop)
{
    if (!blocks().empty())
        blocks().back().didStop = std::move(didStop);
}

bool Animation::inBlock() { return !blocks().empty(); }

void Animation::commit()
{
    if (blocks().empty())
        return;
    Block block = std::move(blocks().back());
    blocks().pop_back();

    auto run = std::make_shared<Run>();
    run->start = Clock::shared().now();
    run->duration = block.duration;
    run->tracks = std::move(block.tracks);
    run->didStop = std::move(block.didStop);
    for (const Track &track : run->tracks)
        supersede(track);
    runs().push_back(run);
    if (run->duration <= 0) {
        finish(run);
        return;
    }
    for (Track &track : run->tracks)
        applyTrack(track, 0.0);
    std::weak_ptr<Run> weak = run;
    run->tick = Clock::shared().schedule(kFrame, [weak] { step(weak); }, kFrame);
}

void Animation::animate(QObject *owner, const QString &key, std::function<void(double)> apply)
{
    Track track{owner, key, std::move(apply), owner != nullptr};
    if (blocks().empty()) {
        supersede(track);
        track.apply(1.0);
        return;
    }
    auto &tracks = blocks().back().tracks;
    // Within one block the latest change of a property wins.
    tracks.erase(std::remove_if(tracks.begin(), tracks.end(), [&](const Track &other) {
                     return other.owner == track.owner && other.key == track.key;
                 }),
                 tracks.end());
    tracks.push_back(std::move(track));
}

void Animation::finishAll()
{
    while (!runs().empty())
        finish(runs().front());
}

bool Animation::anyRunning() { return !runs().empty(); }
