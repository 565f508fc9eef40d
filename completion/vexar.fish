# fish completion for vexar: the command words, the command word after help and man,
# then the flags of the command in full spelling. The candidates come from the tool
# itself (vexar --complete, from its table of the commands' syntax), so they follow the
# commands of the library it was built with; where it offers none (operands, values of
# flags), file names are completed. The flags keep the order of the command's table.

function __vexar_complete
    set -l before (commandline -opc)
    set -l current (commandline -ct)
    set -l candidates ($before[1] --complete $before[2..-1] $current 2>/dev/null)
    if set -q candidates[1]
        printf '%s\n' $candidates
    else
        __fish_complete_path $current
    end
end

complete -c vexar -f -k -a '(__vexar_complete)'
