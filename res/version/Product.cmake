# The product's names and version, kept in this one place: the build, the
# version information, the windows' texts and the package all take them from here.
set(QUILLFEN_PRODUCT_NAME "Quillfen")
set(QUILLFEN_PRODUCT_VERSION "3.1.98.30")
set(QUILLFEN_PRODUCT_DESCRIPTION "Voltage drop calculator for branch circuits and feeders")
set(QUILLFEN_MAKER_NAME "Orrelby")
set(QUILLFEN_EXECUTABLE_NAME "Tamsik")

# The distributor the window's bottom line and the About texts name.
set(QUILLFEN_DISTRIBUTOR_NAME "Nessum")
set(QUILLFEN_DISTRIBUTOR_HOST "www.nessum.example")
set(QUILLFEN_DISTRIBUTOR_EMAIL "info@nessum.example")
set(QUILLFEN_DISTRIBUTOR_PHONE "1-800-555-0199")
