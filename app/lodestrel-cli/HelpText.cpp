// The texts of --help and --version.

#include "app/lodestrel-cli/HelpText.h"

std::string_view HelpText()
{
    return R"(Usage: lodestrel-cli [OPTION]... SOURCE-FILE
       lodestrel-cli [OPTION]... --dir DIR [--pattern GLOB] [--recursive]
Extract the records of code page 932 (Shift_JIS) text files that match any of
the search conditions into a result file, as the window program does.

  -o, --result FILE        the result file; '-' writes to standard output
  -c, --conditions FILE    add the conditions of a condition file (the format
                           the window saves); repeatable
  -e, --condition TEXT     add one condition (repeatable, in order after those
                           of --conditions)
      --exclude LIST       exclusion strings for the condition just given with
                           -e (comma-separated, as typed in the window)
      --no-wildcards       '*' and '?' are ordinary characters in every condition
      --kind KIND          auto | csv | tab | text | other (default auto)
      --delimiter C        the one-byte delimiter of --kind other (default |)
      --fields LIST        test the conditions against these fields (e.g. 2,5)
                           instead of the whole line
      --output FORM        line | tag | field (default line)
      --field N            the field written by --output field (default 1)
      --comment C          none | '#' | '@' | '!' | '*' (default none)
  -i, --ignore-case        upper and lower case are not distinguished
      --no-memory          do not read the source into memory first
      --by-condition       write the hits grouped by condition, in condition order
      --first-only         stop searching a file after its first hit
      --no-exclusions      use no exclusion strings
      --screen-saver-off   switch the screen saver off during the run
      --dir DIR            search every file of DIR whose name matches the pattern
      --pattern GLOB       the file name pattern of --dir (default *.txt;
                           '*' and '?', case-insensitive)
  -r, --recursive          with --dir, search the subdirectories too
      --settings           start from the job and conditions the window program
                           has stored; the options above override single settings
  -y, --yes                answer Yes to every question
  -h, --help               show this help
      --version            show the version

Arguments are UTF-8; text that has no code page 932 form is refused. The result
file is written in code page 932 with CR LF line ends. Messages go to standard
error, the summary to standard output (to standard error with -o -). A question
is asked on the terminal; without one it is answered No, or Yes with --yes.
Ctrl-C (or SIGTERM) stops the run at the next hundredth record, keeps what was
written and prints the summary; a second one ends the program at once. The
companion program of the stored job is never started.

Exit status:
  0    the run completed and every source was read
  2    bad arguments, or an input error (nothing was searched)
  3    the run completed, but a source file could not be read (or was left
       out after the memory question was answered No)
  4    writing the result file failed; the run stopped
  130  the run was cancelled (Ctrl-C); the result keeps what was written
)";
}

std::string VersionText()
{
    return "lodestrel-cli " LODESTREL_VERSION "\n";
}

std::string_view HelpHint()
{
    return "Try 'lodestrel-cli --help' for more information.\n";
}
