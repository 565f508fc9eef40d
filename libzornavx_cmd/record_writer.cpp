#include "record_writer.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <new>
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

constexpr const char *kOutOfMemory = "Out of memory: the record could not be written.\n";

template <class AppendValue>
RecordWriter &RecordWriter::field(const char *name, AppendValue append_value) {
    if (out_of_memory_) return *this;
    try {
        line_ += line_.empty() ? '{' : ',';
        vx_json::append_string(line_, name);
        line_ += ':';
        append_value(line_);
    } catch (const std::bad_alloc &) {
        out_of_memory_ = true;
        std::string().swap(line_);
    }
    return *this;
}

namespace {
void append_text_or_null(std::string &out, const char *value) {
    if (value != nullptr)
        vx_json::append_string(out, value);
    else
        out += "null";
}
}  // namespace

RecordWriter::RecordWriter(const char *command) { text("command", command); }

RecordWriter &RecordWriter::text(const char *name, const char *value) {
    return field(name, [value](std::string &out) { append_text_or_null(out, value); });
}

RecordWriter &RecordWriter::number(const char *name, int32_t value) {
    return field(name, [value](std::string &out) { out += std::to_string(value); });
}

RecordWriter &RecordWriter::unsigned_number(const char *name, uint32_t value) {
    return field(name, [value](std::string &out) { out += std::to_string(value); });
}

RecordWriter &RecordWriter::texts(const char *name, const char *const *list, int32_t count) {
    return field(name, [list, count](std::string &out) {
        if (list == nullptr) {
            out += "null";
            return;
        }
        out += '[';
        for (int32_t i = 0; i < count; ++i) {
            if (i != 0) out += ',';
            append_text_or_null(out, list[i]);
        }
        out += ']';
    });
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

RecordWriter &RecordWriter::value(const char *name, const std::function<nlohmann::ordered_json()> &build) {
    return field(name, [&build](std::string &out) { vx_json::append_json(out, build()); });
}

std::string RecordWriter::line() const { return line_ + '}'; }

int32_t RecordWriter::emit() {
    if (!out_of_memory_) {
        try {
            line_ += "}\n";
            // One write, so that the line never interleaves with other output.
            std::fwrite(line_.data(), 1, line_.size(), stdout);
            std::fflush(stdout);
            return command_status();
        } catch (const std::bad_alloc &) {
        }
    }
    imsg_print(IMSG_SEV_ERROR, kOutOfMemory, IMSG_FORMAT_INDEX);
    return kOutOfMemoryStatus;
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
