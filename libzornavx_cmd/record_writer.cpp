#include "record_writer.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <utility>

#include "json_line.h"
#include "libzornaks.h"

namespace vx_cmd {

namespace {
constexpr const char *kStatusVariable = "VX_CMD_STATUS";
constexpr const char *kPasswordMask = "***";
constexpr const char *kMalformedStatus =
    "The environment variable VX_CMD_STATUS=\"%s\" is not a decimal number from "
    "-2147483648 to 2147483647; it is ignored.\n";

// Says once per malformed value, not at every command, that the value is ignored.
void report_malformed_status(const char *text) {
    static std::mutex guard;
    static std::string reported;
    std::lock_guard<std::mutex> lock(guard);
    if (reported == text) return;
    reported = text;
    imsg_print(IMSG_SEV_ERROR, kMalformedStatus, IMSG_FORMAT_INDEX, text);
}

}  // namespace

RecordWriter::RecordWriter(const char *command) : record_(nlohmann::ordered_json::object()) {
    record_["command"] = command;
}

RecordWriter &RecordWriter::text(const char *name, const char *value) {
    record_[name] = value != nullptr ? nlohmann::ordered_json(value) : nlohmann::ordered_json(nullptr);
    return *this;
}

RecordWriter &RecordWriter::number(const char *name, int32_t value) {
    record_[name] = value;
    return *this;
}

RecordWriter &RecordWriter::unsigned_number(const char *name, uint32_t value) {
    record_[name] = value;
    return *this;
}

RecordWriter &RecordWriter::texts(const char *name, const char *const *list, int32_t count) {
    if (list == nullptr) {
        record_[name] = nullptr;
        return *this;
    }
    nlohmann::ordered_json array = nlohmann::ordered_json::array();
    for (int32_t i = 0; i < count; ++i) {
        array.push_back(list[i] != nullptr ? nlohmann::ordered_json(list[i]) : nlohmann::ordered_json(nullptr));
    }
    record_[name] = std::move(array);
    return *this;
}

RecordWriter &RecordWriter::password(const char *name, const char *value) {
    return text(name, value != nullptr ? kPasswordMask : nullptr);
}

RecordWriter &RecordWriter::comment_block(const cmd_comment_block_t &block) {
    text("comment", block.comment);
    text("comment_file", block.comment_file);
    number("comment_kind", block.comment_kind);
    return unsigned_number("comment_reserved", block.comment_reserved);
}

RecordWriter &RecordWriter::value(const char *name, nlohmann::ordered_json value) {
    record_[name] = std::move(value);
    return *this;
}

std::string RecordWriter::line() const { return vx_json::line(record_); }

int32_t RecordWriter::emit() const {
    std::string out = line();
    out.push_back('\n');
    // One write, so that the line never interleaves with other output.
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
    return command_status();
}

int32_t command_status() {
    const char *text = std::getenv(kStatusVariable);
    if (text == nullptr || text[0] == '\0') return 0;  // set to nothing: as if unset
    // Digits with an optional sign, nothing else: strtol alone would skip blanks.
    if (std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-' || text[0] == '+') {
        char *end = nullptr;
        errno = 0;
        const long value = std::strtol(text, &end, 10);
        if (errno == 0 && *end == '\0' && value >= INT32_MIN && value <= INT32_MAX) return static_cast<int32_t>(value);
    }
    report_malformed_status(text);
    return 0;
}

}  // namespace vx_cmd
