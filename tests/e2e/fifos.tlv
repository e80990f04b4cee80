# FIFOs named com.ini and recent-files hold up neither start-up nor exit; FIFOs and sockets are
# neither read nor replaced, and a print to a FIFO is refused. Folders are safe_save_test's.
choose fifo.csv
menu mnuOpen
menu mnuNew
button Toolbar2 14
choose fifo.afc
menu mnuSaveAs
choose socket.prn
menu mnuSaveAs
choose fifo.pdf
menu mnuPrint
show windows
answer no
frame close
