# Sourced by the screenshot script and the Windows walk, which define `keys`
# and `shot`: the start form, then every calculator and the About form opened
# by its mnemonic, its default buttons pressed, and shot; ends as Form1 opens.
shoot_calculator_forms() {
    shot tav20
    keys alt+t b Tab Tab space Tab Tab Tab space
    shot bas
    keys ctrl+w alt+t s Tab Tab Tab Tab Tab space Tab space
    shot srednji
    keys ctrl+w alt+t v Tab Tab Tab Tab space Tab space
    shot visoki
    keys ctrl+w alt+k Tab Tab Tab Tab space
    shot kalem
    keys ctrl+w alt+a
    shot autor
    keys ctrl+w alt+z
}
