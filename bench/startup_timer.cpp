// Times whole programs from exec to exit, interleaved: round after round each
// command runs once in turn, so that a slow period of a shared machine falls
// on all of them alike. Prints each command's minimum and median in
// milliseconds and each command's medians as a ratio of the first one's.
//   startup_timer ROUNDS NAME=COMMAND [NAME=COMMAND ...]
// A COMMAND is split at spaces; the environment is passed on as it is.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct Command {
    std::string name;
    std::vector<std::string> words;
    std::vector<double> milliseconds;
};

std::vector<std::string> splitWords(const std::string& text)
{
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

// The wall time of one run, or a negative value when it failed.
double runOnce(const Command& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command.words)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    // What the programs print (the platform's notices) would drown the table.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    const int rounds = argc > 2 ? std::atoi(argv[1]) : 0;
    if (rounds < 1) {
        std::fprintf(stderr, "usage: startup_timer ROUNDS NAME=COMMAND [NAME=COMMAND ...]\n");
        return 2;
    }
    std::vector<Command> commands;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        const size_t equals = argument.find('=');
        if (equals == std::string::npos || equals == 0 || splitWords(argument.substr(equals + 1)).empty()) {
            std::fprintf(stderr, "startup_timer: not NAME=COMMAND: %s\n", argv[i]);
            return 2;
        }
        commands.push_back({argument.substr(0, equals), splitWords(argument.substr(equals + 1)), {}});
    }
    // One round not counted: it brings the programs and libraries into the
    // page cache.
    for (int round = 0; round <= rounds; ++round) {
        for (Command& command : commands) {
            const double ms = runOnce(command);
            if (ms < 0) {
                std::fprintf(stderr, "startup_timer: %s failed\n", command.words[0].c_str());
                return 1;
            }
            if (round > 0)
                command.milliseconds.push_back(ms);
        }
    }
    const double floor = median(commands.front().milliseconds);
    std::printf("%-16s %10s %10s %8s\n", "program", "min ms", "median ms", "ratio");
    for (const Command& command : commands) {
        const double m = median(command.milliseconds);
        std::printf("%-16s %10.1f %10.1f %8.2f\n", command.name.c_str(),
                    *std::min_element(command.milliseconds.begin(), command.milliseconds.end()), m, m / floor);
    }
    return 0;
}
