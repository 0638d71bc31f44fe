# The program's version information, kept in this one place. The built-in
# table that the About texts are expanded from (version/) and the Windows
# VERSIONINFO resource are both generated from it at configure time.
#
# Every text is printable ASCII. A text of several lines is a list with one
# element per line: the generator joins string-block values with CR LF and the
# author credit with LF. Each joined value must stay under 255 characters so
# that it fits the About dialog's room of 256 with its terminating zero.

# Fixed part. The version numbers come from project(VERSION) at the top.
set(QUILLFEN_VERSION_FLAGS_MASK 0x3F)
set(QUILLFEN_VERSION_FLAGS 0x20) # special build
set(QUILLFEN_VERSION_OS 0x4) # 32-bit Windows
set(QUILLFEN_VERSION_FILE_TYPE 0x1) # application
set(QUILLFEN_VERSION_FILE_SUBTYPE 0x0)

# One translation, U.S. English in code page 1252, whose string block is
# stored under this name (lower case; lookups ignore letter case).
set(QUILLFEN_VERSION_LANGUAGE 0x0409)
set(QUILLFEN_VERSION_CODE_PAGE 1252)
set(QUILLFEN_VERSION_BLOCK "040904e4")

# "3.1.98.0030": the fourth number is written with four digits.
set(_tweak "${PROJECT_VERSION_TWEAK}")
while(_tweak MATCHES "^.?.?.?$")
  string(PREPEND _tweak "0")
endwhile()
set(_versionText
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${_tweak}")

# The people and places the texts name. All fictional; addresses live under
# the reserved .example domain.
# The product, maker and distributor names come from Product.cmake.
set(QUILLFEN_AUTHOR_NAME "Aldous Fenwrickle")
set(QUILLFEN_AUTHOR_EMAIL "aldous.fenwrickle@orrelby.example")
set(QUILLFEN_DISTRIBUTOR_WEB_URL "http://${QUILLFEN_DISTRIBUTOR_HOST}/")

# The string block, keys in stored order.
set(QUILLFEN_VERSION_KEYS
    Comments CompanyName FileDescription FileVersion InternalName
    LegalCopyright OriginalFilename ProductName ProductVersion SpecialBuild)

set(QUILLFEN_VERSION_Comments "Programmed by ${QUILLFEN_AUTHOR_NAME} of ${QUILLFEN_MAKER_NAME}")
set(QUILLFEN_VERSION_CompanyName "${QUILLFEN_AUTHOR_NAME}, ${QUILLFEN_MAKER_NAME}")
set(QUILLFEN_VERSION_FileDescription "${QUILLFEN_PRODUCT_NAME}")
set(QUILLFEN_VERSION_FileVersion "${_versionText}")
set(QUILLFEN_VERSION_InternalName "${QUILLFEN_EXECUTABLE_NAME}")
set(QUILLFEN_VERSION_LegalCopyright
    "Copyright (C) 1997-1998 ${QUILLFEN_MAKER_NAME}"
    "All rights reserved.")
set(QUILLFEN_VERSION_OriginalFilename "${QUILLFEN_EXECUTABLE_NAME}.exe")
set(QUILLFEN_VERSION_ProductName "${QUILLFEN_PRODUCT_NAME}")
set(QUILLFEN_VERSION_ProductVersion "${_versionText}")
set(QUILLFEN_VERSION_SpecialBuild
    "Distributed free and exclusively by ${QUILLFEN_DISTRIBUTOR_NAME}."
    "${QUILLFEN_DISTRIBUTOR_NAME}: ${QUILLFEN_DISTRIBUTOR_PHONE} (toll free)"
    "For more information e-mail ${QUILLFEN_DISTRIBUTOR_EMAIL}"
    "For the latest version visit the web site at"
    "${QUILLFEN_DISTRIBUTOR_WEB_URL}")

# What the About dialog's buttons and author box use.
set(QUILLFEN_AUTHOR_CREDIT
    "Programming by ${QUILLFEN_AUTHOR_NAME}"
    "${QUILLFEN_MAKER_NAME}"
    ""
    "Questions and comments are welcome by e-mail:"
    "${QUILLFEN_AUTHOR_EMAIL}")
set(QUILLFEN_DISTRIBUTOR_MAIL_URL "mailto:${QUILLFEN_DISTRIBUTOR_EMAIL}")
set(QUILLFEN_AUTHOR_MAIL_URL "mailto:${QUILLFEN_AUTHOR_EMAIL}")

# The windows' own texts that name the product, its version and distributor.
set(QUILLFEN_VERSION_TEXT "${_versionText}")
set(QUILLFEN_DISTRIBUTOR_LINE
    "Distributed free by ${QUILLFEN_DISTRIBUTOR_NAME}  -  Toll free ${QUILLFEN_DISTRIBUTOR_PHONE}  -  ${QUILLFEN_DISTRIBUTOR_HOST}")

unset(_tweak)
unset(_versionText)
