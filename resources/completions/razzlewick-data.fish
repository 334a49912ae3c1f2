# Fish completion for razzlewick-data: its commands, their options and the files they read.
set -l commands pack dump check styles generate try install uninstall
complete -c razzlewick-data -f
# The styles of the data tool being completed, which may not be the one on PATH.
function __razzlewick_data_styles
    set -l program (commandline -opc)[1]
    $program styles 2>/dev/null | string split -f1 \t
end
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a pack -d 'Pack JSON sources into a data file'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a dump -d 'Print data files as JSON sources'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a check -d 'Print the load report of data files'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a styles -d 'List the styles and their combination counts'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a generate -d 'Compose insults with a given seed'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a try -d 'Compose insults straight from a JSON source'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a install -d 'Put data files of your own where Razzlewick finds them'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -a uninstall -d 'Remove a data file from your own folder'
complete -c razzlewick-data -n "not __fish_seen_subcommand_from $commands" -l version -d 'Print the version'
complete -c razzlewick-data -s h -l help -d 'Show the help'
complete -c razzlewick-data -n "__fish_seen_subcommand_from pack" -s o -l output -r -d 'Data file to write'
complete -c razzlewick-data -n "__fish_seen_subcommand_from pack install" -l force -d 'Replace an existing file'
complete -c razzlewick-data -n "__fish_seen_subcommand_from pack check" -l strict -d 'Treat warnings as errors'
complete -c razzlewick-data -n "__fish_seen_subcommand_from pack install check styles dump generate try" -F
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l seed -x -d 'Seed of the random source'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l count -x -d 'Insults per batch'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l caps -x -a '0 1' -d 'Capitalise the first letter'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l batches -x -d 'Number of batches'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l no-repeats -d 'No word back soon, as the window'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -l raw -d 'Write the Windows-1252 bytes'
complete -c razzlewick-data -n "__fish_seen_subcommand_from generate" -a '(__razzlewick_data_styles)' -d 'Style'
complete -c razzlewick-data -n "__fish_seen_subcommand_from try" -s S -l seed -x -d 'Seed of the random source'
complete -c razzlewick-data -n "__fish_seen_subcommand_from try" -s n -l count -x -d 'Insults per style'
complete -c razzlewick-data -n "__fish_seen_subcommand_from try" -a '(__razzlewick_data_styles)' -d 'Style'
complete -c razzlewick-data -n "__fish_seen_subcommand_from uninstall" -a '(path basename -E (set -q XDG_DATA_HOME; and echo $XDG_DATA_HOME; or echo ~/.local/share)/razzlewick/*.dat 2>/dev/null)' -d 'Installed data file'
