// The command lines of the suite: one typical full line per command, as an operator or
// a script types it; mkreplica's import line also abbreviated.

#include <sstream>

#include "bench.h"
#include "libzornavx_cmdsyn.h"

namespace vxbench {

const char *const kMkreplicaImportLine =
    "-import -workdir /tmp/w -tag /vobs/t -vob /stg/t.vbs -npreserve -comment comment pkt";

namespace {

std::vector<Case> make_cases() {
    return {
        {"lspacket -long p1 p2", "-long p1 p2", vx_cmdsyn_lspacket, ""},
        {"mkreplica import, full names", kMkreplicaImportLine, vx_cmdsyn_mkreplica, "workdir tag vob comment"},
        // "-npr" is mkreplica's own shortest form of -npreserve; getopt_long_only also
        // sees -nprompt behind it and calls it ambiguous.
        {"mkreplica import, abbreviated", "-imp -wor /tmp/w -tag /vobs/t -vob /stg/t.vbs -npr -comm comment pkt",
         vx_cmdsyn_mkreplica, "workdir tag vob comment", 1},
        {"mkreplica export", "-export -workdir /tmp/w -maxsize 50m -ncomment -out /tmp/pkt h1:r1@/vobs/t h2:r2@/vobs/t",
         vx_cmdsyn_mkreplica, "workdir maxsize out"},
        {"syncreplica export -oprange",
         "-export -maxsize 50m -compress -oprange r1=100:200,r2=300: -out /tmp/pkt r1@/vobs/t r2@/vobs/t",
         vx_cmdsyn_syncreplica, "maxsize oprange out"},
        {"syncinfo -job", "-job 17,18,19 -host h1", vx_cmdsyn_syncinfo, "job host"},
        {"syncinfo filters",
         "-replica r1 -sibling r2 -export -state done,failed -user bob -startscan 2024-01-01 -endscan 2024-02-01 "
         "-scan_direction backward",
         vx_cmdsyn_syncinfo, "replica sibling state user startscan endscan scan_direction"},
        {"chepoch, five name=value", "-force r1@/vobs/t r1=10 r2=20 r3=0x1e r4=40 r5=50", vx_cmdsyn_chepoch, ""},
        {"lsepoch -actual", "-actual r1@/vobs/t r2@/vobs/t", vx_cmdsyn_lsepoch, ""},
        {"chreplica", "-host h2 -npreserve -ncomment r1@/vobs/t", vx_cmdsyn_chreplica, "host"},
        {"rmreplica", "-ncomment r1@/vobs/t", vx_cmdsyn_rmreplica, ""},
        {"restorereplica", "-ncomment -force -replace r1@/vobs/t r2@/vobs/t", vx_cmdsyn_restorereplica, ""},
        {"mkrptype", "-supertype base -ncomment rptype:t1@/vobs/t", vx_cmdsyn_mkrptype, "supertype"},
        {"dumpoplog", "-long -invob /vobs/t -vreplica r1 -from 100 -to 200", vx_cmdsyn_dumpoplog,
         "invob vreplica from to"},
        {"lsexport", "-since 2024-01-01 r1@/vobs/t r2@/vobs/t", vx_cmdsyn_lsexport, "since"},
        {"recoverpacket", "-ncomment -since 2024-01-01 r1@/vobs/t", vx_cmdsyn_recoverpacket, "since"},
        {"lssetting", "-site -rgy rhost -long setting1", vx_cmdsyn_lssetting, "rgy"},
        {"chsetting", "-site -rgy rhost -password pw setting1=v1 setting2=v2", vx_cmdsyn_chsetting, "rgy password"},
        {"lsshipconfig", "-host h1 -sclass sc1 -stgpath -rtnpath -route", vx_cmdsyn_lsshipconfig, "host sclass"},
        {"chshipconfig", "", vx_cmdsyn_chshipconfig, "", 0, false},
        {"syncserver", "-inquire -vob /vobs/a", vx_cmdsyn_syncserver, "vob"},
        {"vxacl", "-set /tmp/acl -force -host h1", vx_cmdsyn_vxacl, "set host"},
        {"familysyncstatus", "-epochdiff -time_units hours -long -region reg1 /vobs/t", vx_cmdsyn_familysyncstatus,
         "time_units region"},
        {"shipinfo", "-replica r1 -export -sclass sc1 -filetype shorder -scan_direction forward", vx_cmdsyn_shipinfo,
         "replica sclass filetype scan_direction"},
        {"perfinfo", "-replica r1 -export -startscan 2024-01-01 -endscan 2024-02-01 -granularity days",
         vx_cmdsyn_perfinfo, "replica startscan endscan granularity"},
        {"apropos", "replica epoch", vx_cmdsyn_apropos, "", 0, false},
    };
}

}  // namespace

const std::vector<Case> &cases() {
    static const std::vector<Case> all = make_cases();
    return all;
}

std::vector<std::string> split_words(const std::string &line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

}  // namespace vxbench
