#!/usr/bin/env bash
# check_exact_operations.sh FILE: fails, naming what it found, when FILE (a
# program or a static library) holds an x87 instruction whose result is not
# defined to the last bit, or refers to a C library function of that kind
# (the transcendental functions, in any precision): their last bits differ
# between processors, and the suite's results must not.
set -u -o pipefail
file=$1
for tool in objdump nm; do
  command -v "$tool" >/dev/null || { echo "$tool (binutils) is needed to inspect $file"; exit 1; }
done

found=0

# Disassembly: "NNN <symbol>:" opens a function, "member.o:  file format" an
# archive member, and instruction lines read "  addr:<tab>mnemonic operands".
# A file the tools cannot read is a failure, not a clean file.
disassembly=$(objdump -d -C --no-show-raw-insn "$file") || { echo "$file: objdump cannot read it"; exit 1; }
instructions=$(awk -v file="$file" '
  /file format/ { member = $1; sub(/:$/, "", member); where = member == file ? "" : " (" member ")" }
  /^[0-9a-f]+ <.*>:$/ { symbol = substr($0, index($0, "<") + 1); sub(/>:$/, "", symbol) }
  /^ *[0-9a-f]+:\t/ {
    split($0, part, "\t"); split(part[2], word, " ")
    if (word[1] ~ /^(fsin|fcos|fsincos|fptan|fpatan|fyl2x|fyl2xp1|f2xm1)$/)
      print word[1] " in " symbol where
  }' <<< "$disassembly" | sort -u)
if [ -n "$instructions" ]; then
  while IFS= read -r line; do echo "$file: x87 instruction $line"; done <<< "$instructions"
  found=1
fi

# Undefined symbols, of the static symbol table and of the dynamic one.
names='sin|cos|tan|sincos|asin|acos|atan|atan2|sinh|cosh|tanh|asinh|acosh|atanh|exp|exp2|exp10|expm1'
names+='|log|log2|log10|log1p|pow|cbrt|hypot|erf|erfc|lgamma|tgamma'
undefined=$(nm -u "$file") || { echo "$file: nm cannot read it"; exit 1; }
# a static library or an object has no dynamic symbol table
undefined+=$'\n'$(nm -D -u "$file" 2>/dev/null)
functions=$(awk '{ print $NF }' <<< "$undefined" | sed 's/@.*//' | grep -E "^(__)?($names)[fl]?(_finite)?$" | sort -u)
if [ -n "$functions" ]; then
  while IFS= read -r name; do echo "$file: refers to the C library function $name"; done <<< "$functions"
  found=1
fi
exit $found
