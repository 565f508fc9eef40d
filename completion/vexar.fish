# fish completion for vexar: the command words (the tool's own options before them), the
# command word after help and man, the flags of the command that may still be given, in
# their full spelling and table order, and the words a flag's value may be, each with
# what it means: a command's purpose, a flag's line from its page. The candidates come
# from the tool itself (vexar --complete-described, from its table of the commands'
# syntax), so they follow the commands of the library it was built with. Where it
# answers with nothing but success, a file name stands there (after the "@" of an
# argument file too); where it fails, nothing may.

function __vexar_complete
    set -l before (commandline -opc)
    set -l current (commandline -ct)
    set -l candidates ($before[1] --complete-described $before[2..-1] $current 2>/dev/null)
    or return
    if set -q candidates[1]
        printf '%s\n' $candidates
    else if string match -q -- '@*' $current
        __fish_complete_path (string sub -s 2 -- $current) | string replace -r '^' @
    else
        __fish_complete_path $current
    end
end

complete -c vexar -f -k -a '(__vexar_complete)'
