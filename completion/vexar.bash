# bash completion for vexar: the command words, the command word after help and man,
# then the flags of the command in full spelling. The candidates come from the tool
# itself (vexar --complete), so they follow the commands of the library it runs with;
# where it offers none (operands), bash completes file names.

_vexar() {
    local IFS=$'\n'
    # The words after the tool's name, up to the one under the cursor.
    COMPREPLY=($("${COMP_WORDS[0]}" --complete "${COMP_WORDS[@]:1:COMP_CWORD}" 2>/dev/null))
}

complete -o default -F _vexar vexar
