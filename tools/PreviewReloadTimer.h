// PreviewReloadTimer: when trellis-preview reloads after its files change. A save is often
// several events (a write, then a rename), so a reload waits for the files to be quiet; a
// stream of saves that never pauses still reloads every so often.
#pragma once

namespace trellis {

// Tells, from the times changes were seen, when the next reload is due. Times in seconds.
class PreviewReloadTimer {
public:
    // How long the files must be quiet after a change before the reload.
    static constexpr double kQuietSeconds = 0.05;
    // The longest a seen change waits for its reload, however busy the files are.
    static constexpr double kLongestWait = 0.3;

    // A change to the files was seen at now.
    void changed(double now);

    // True, once, when a reload is due at now: the files have been quiet for kQuietSeconds
    // since the last change, or the first change not yet reloaded is kLongestWait old.
    bool due(double now);

private:
    bool pending = false;
    double firstChange = 0;  // the first change since the last reload
    double lastChange = 0;
};

}  // namespace trellis
