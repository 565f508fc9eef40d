// The describer's own parser: the clp_ calls of the kernel services, answered so that
// a syntax routine shows the flag table it installs and what it reads after each flag,
// and returns before its command runs. Linked into the describer alone; the parser the
// tool runs knows nothing of it.
#ifndef VEXAR_DESCRIBE_DESCRIBING_PARSER_H
#define VEXAR_DESCRIBE_DESCRIBING_PARSER_H

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "dispatch/vexar_syntax.h"
#include "libzornaks.h"

namespace vxdescribe {

// A flag of the table a routine installed.
struct InstalledFlag {
    std::string name;      // "-long"
    std::string shortest;  // "-l"
    int group = 0;         // 0 outside any mutual-exclusion group, else 1, 2, ... in table order
    int32_t code = 0;
};

// A parser without words. A capture keeps the table the routine installs and refuses it
// without a message, so that the routine returns at once. A probe of flag `index` (0,
// 1, ... in table order, group markers not counted) takes the table and hands the
// routine that flag as its only word, notes what the routine reads next, then ends the
// line: the values and operands asked for are missing and the next flag is refused
// without a message. A table without flag `index` is refused as by a capture.
class DescribingParser {
  public:
    static DescribingParser capture();
    static DescribingParser probe(int index);
    DescribingParser(DescribingParser &&) noexcept;
    DescribingParser &operator=(DescribingParser &&) noexcept;
    ~DescribingParser();

    // The handle the routine is called with.
    clp_parser_t *handle() const;
    // The flags of the last table installed, in table order; none after a malformed one.
    const std::vector<InstalledFlag> &installed() const;
    // What the routine read after the probed flag (Value::none: the next flag, or
    // nothing); nullopt while the flag was not handed out.
    std::optional<vexar::syntax::Value> read_after_flag() const;
    // Why the last table installed could not be read, or "".
    const std::string &malformed() const;

  private:
    explicit DescribingParser(int probed);
    std::unique_ptr<clp_parser_t> state_;
};

}  // namespace vxdescribe

#endif
