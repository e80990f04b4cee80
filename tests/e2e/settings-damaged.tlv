# A damaged com.ini: each bad line takes its default; exit writes the file whole again.
show state
frame close
