// The command-line step every trellis tool shares.
#include "CommandLine.h"

namespace trellis {

int parseCommandLine(CLI::App& app, const std::vector<std::string>& args, std::ostream& out,
                     std::ostream& err, int usageStatus, const std::function<void()>& validate) {
    // CLI11 reads a vector of arguments last to first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
        if (validate)
            validate();
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return 0;
    } catch (const CLI::ParseError& error) {
        err << app.get_name() << ": " << error.what() << " (see --help)\n";
        return usageStatus;
    }
    return kCommandLineGoesOn;
}

}  // namespace trellis
