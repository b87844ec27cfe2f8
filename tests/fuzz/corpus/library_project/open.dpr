Library L;
{ never closed
Begin
End.
