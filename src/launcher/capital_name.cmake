# Makes "Ulvanta2.exe" in DIR name the launcher "ulvanta2.exe". On a file system
# that ignores case both names are already the same file, and nothing is done.
if(EXISTS "${DIR}/Ulvanta2.exe" AND NOT IS_SYMLINK "${DIR}/Ulvanta2.exe")
  return()
endif()
file(CREATE_LINK ulvanta2.exe "${DIR}/Ulvanta2.exe" SYMBOLIC)
