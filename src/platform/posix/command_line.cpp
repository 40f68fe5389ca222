// Splitting and joining Windows command lines for the sandbox's program start and the
// command line it hands to the program.
#include "platform/posix/command_line.h"

#include "platform/posix/codepage.h"

#include <fstream>
#include <iterator>

namespace os {

namespace {

bool isBlank(char character) {
    return character == ' ' || character == '\t';
}

// Reads the program name at line[at], leaving at after it.
std::string programArgument(const std::string &line, std::size_t &at) {
    std::size_t start = at;
    if (line[at] == '"') {
        std::size_t close = line.find('"', at + 1);
        at = close == std::string::npos ? line.size() : close + 1;
        return line.substr(start + 1, (close == std::string::npos ? line.size() : close) - start - 1);
    }
    while (at < line.size() && !isBlank(line[at]))
        ++at;
    return line.substr(start, at - start);
}

// Reads one argument at line[at] (not a blank), leaving at after it.
std::string nextArgument(const std::string &line, std::size_t &at) {
    std::string argument;
    bool quoted = false;
    while (at < line.size() && (quoted || !isBlank(line[at]))) {
        if (line[at] == '\\') {
            std::size_t backslashes = 0;
            while (at < line.size() && line[at] == '\\')
                ++backslashes, ++at;
            bool beforeQuote = at < line.size() && line[at] == '"';
            argument.append(beforeQuote ? backslashes / 2 : backslashes, '\\');
            if (beforeQuote && backslashes % 2 == 1) {
                argument.push_back('"');
                ++at;
            }
        } else if (line[at] == '"') {
            if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
                argument.push_back('"');
                ++at;
            } else {
                quoted = !quoted;
            }
            ++at;
        } else {
            argument.push_back(line[at++]);
        }
    }
    return argument;
}

std::string quotedArgument(const std::string &argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char character : argument) {
        if (character == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(character == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted.push_back(character);
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

} // namespace

std::vector<std::string> splitCommandLine(const std::string &commandLine) {
    std::vector<std::string> arguments;
    std::size_t at = 0;
    while (at < commandLine.size() && isBlank(commandLine[at]))
        ++at;
    if (at == commandLine.size())
        return arguments;
    arguments.push_back(programArgument(commandLine, at));
    for (;;) {
        while (at < commandLine.size() && isBlank(commandLine[at]))
            ++at;
        if (at == commandLine.size())
            return arguments;
        arguments.push_back(nextArgument(commandLine, at));
    }
}

std::string joinCommandLine(const std::vector<std::string> &arguments) {
    std::string line;
    for (const std::string &argument : arguments) {
        if (&argument != &arguments.front())
            line.push_back(' ');
        line += quotedArgument(argument);
    }
    return line;
}

std::vector<std::string> processArguments() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> arguments;
    for (std::size_t start = 0, end; start < raw.size(); start = end + 1) {
        end = raw.find('\0', start);
        if (end == std::string::npos)
            end = raw.size();
        std::string argument;
        systemFromUtf8(raw.substr(start, end - start), argument); // as GetCommandLineA: '?' for a lost character
        arguments.push_back(argument);
    }
    return arguments;
}

} // namespace os
